import QtQuick 2.15

// Body text of every page: rich text in the sans face.
Text {
    textFormat: Text.RichText
    font.family: fontSans.name
    color: "#202020"
}
