import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// Every model's device page on the smallest screen the application serves:
// its list and controls lie inside the window.
Item {
    id: scene
    width: 800
    height: 600

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore { id: core }

    Component {
        id: runType
        QtObject {
            property int index: 1
            property string dateText: "24/06/21,08:30:00-12"
            property int size: 35
            property string exp_Name: "A RUN WHOSE NAME IS TOO LONG FOR THE ROW"
            property string type: "H"
            property int status: 2
        }
    }

    Root {
        id: root
        anchors.fill: parent
    }

    TestCase {
        name: "DevicePages"
        when: windowShown

        function test_controlsInsideTheWindow_data() {
            var rows = []
            for (var model in root.familyStates)
                rows.push({ tag: model, state: root.familyStates[model].device })
            return rows
        }

        function test_controlsInsideTheWindow(data) {
            core.reset()
            core.experimentList = [runType.createObject(scene), runType.createObject(scene, { "index": 2 })]
            root.goHome()
            root.showState(data.state)
            var page = root.pageOf(data.state)
            waitForRendering(page)
            var names = ["experimentList", "configureBtn", "acceptBtn", "downloadProgress",
                         "downloadProgressText", "deviceInfo"]
            for (var i = 0; i < names.length; ++i) {
                var control = findChild(page, names[i])
                verify(control, names[i])
                if (!control.visible)
                    continue
                var box = control.mapToItem(scene, 0, 0, control.width, control.height)
                verify(box.x >= 0 && box.y >= 0 && box.x + box.width <= scene.width
                       && box.y + box.height <= scene.height,
                       names[i] + " at " + box.x + "," + box.y + " " + box.width + "x" + box.height)
            }
            // A row's texts keep clear of its picture and its edge: the name
            // is cut short, the size keeps its room.
            var row = findChild(page, "experimentList").listview.itemAtIndex(0)
            var right = row.width
            var pictures = ["runPicture", "runTypeImage", "sensorPicture", "runStatusImage"]
            for (var p = 0; p < pictures.length; ++p) {
                var picture = findChild(row, pictures[p])
                if (picture && picture.visible)
                    right = Math.min(right, picture.mapToItem(row, 0, 0).x)
            }
            var rowTexts = ["runLabel", "runDate", "runSize"]
            for (var t = 0; t < rowTexts.length; ++t) {
                var text = findChild(row, rowTexts[t])
                var end = text.mapToItem(row, 0, 0).x + Math.min(text.width, text.implicitWidth)
                verify(end <= right, rowTexts[t] + " reaches " + end + " of " + right)
            }
        }
    }
}
