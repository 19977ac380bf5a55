import QtQuick 2.15
import "../../qml"

// The TOLVAR 4 page until its family's pages are built: its title and
// the signals the shell listens to.
VfPage {
    pageTitle: "Tolvar 4 - Results"

    signal showResults()
}
