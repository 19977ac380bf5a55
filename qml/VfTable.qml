import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1

// A table with the application's header look and rich-text cells.
Controls1.TableView {
    id: table

    highlightOnFocus: false

    headerDelegate: Rectangle {
        height: 30
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#dadada" }
            GradientStop { position: 1.0; color: "#f9f9f9" }
        }
        Rectangle {
            anchors.top: parent.top
            width: parent.width
            height: 1
            color: "#a2a2a2"
        }
        Rectangle {
            anchors.right: parent.right
            width: 1
            height: parent.height
            color: "#c8c8c8"
        }
        Text {
            anchors.fill: parent
            anchors.margins: 2
            text: styleData.value
            textFormat: Text.RichText
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.family: fontSans.name
            font.bold: true
            font.pixelSize: 13
        }
    }

    itemDelegate: Item {
        Text {
            anchors.fill: parent
            anchors.margins: 2
            text: styleData.value !== undefined ? styleData.value : ""
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.family: fontSans.name
            font.pixelSize: 13
            color: styleData.selected ? "white" : "#202020"
        }
    }
}
