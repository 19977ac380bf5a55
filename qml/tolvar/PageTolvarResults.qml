import QtQuick 2.15
import "../../qml"

// The TOLVAR 3 PLUS page until its family's pages are built: its title and
// the signals the shell listens to.
VfPage {
    pageTitle: "Tolvar 3 Plus - Results"

    signal showResults()
}
