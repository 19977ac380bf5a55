import QtQuick 2.15

// The value box of a scatter chart, with a round white marker on the point.
ChartPointHover {
    Rectangle {
        id: rectangle1
        x: -width / 2
        y: -height / 2
        width: 10
        height: 10
        radius: 5
        color: "#ffffff"
        border.color: "#303030"
    }
}
