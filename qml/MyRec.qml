import QtQuick 2.15

// An empty item that keeps a place in a layout.
Item {
}
