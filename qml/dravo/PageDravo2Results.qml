import QtQuick 2.15
import "../../qml"

// The DRAVO 2 page until its family's pages are built: its title and
// the signals the shell listens to.
VfPage {
    pageTitle: "Dravo 2 - Results"

    signal showResults()
}
