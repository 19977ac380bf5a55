import QtQuick 2.15

// A band level of the hearing-protector grid with the protector worn: read
// only, drawn in the alarm colour when the protection is judged wrong.
Dravo2NpsText {
    property bool alarm: false

    color: "#e8eef8"
    textColor: alarm ? "#FF5555" : "#000000"
}
