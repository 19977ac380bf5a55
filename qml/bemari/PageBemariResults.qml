import QtQuick 2.15
import "../../qml"

// The BEMARI page until its family's pages are built: its title and
// the signals the shell listens to.
VfPage {
    pageTitle: "Bemari - Results"

    signal showResults()
}
