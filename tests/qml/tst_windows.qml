import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/qml"

// Every window of the application opened on a screen of 800 by 600 (the
// test platform's screen): it lies inside the screen with its buttons in
// view, and Escape closes it.
Item {
    id: scene
    width: 800
    height: 600

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore { id: core }

    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    TestCase {
        id: testCase
        name: "Windows"
        when: windowShown

        readonly property var reportButtons: ["generatePdf", "cancelReport", "fileName"]
        readonly property var configButtons: ["eraseMemoryBtn", "applyCfgBtn", "closeCfgBtn"]

        property var window: null

        function cleanup() {
            if (window)
                window.destroy()
            window = null
        }

        function test_opensInsideTheScreen_data() {
            function report(family, name) {
                return { tag: name, url: "qrc:/" + family + "/qml/" + name + ".qml", buttons: reportButtons }
            }
            function config(family, name) {
                return { tag: name, url: "qrc:/" + family + "/qml/" + name + ".qml", buttons: configButtons }
            }
            return [
                report("bemari", "BemariPrinterConfiguration"),
                report("bemariplus", "BemariPlusPrinterConfiguration"),
                report("dravo", "Dravo2PrinterConfiguration"),
                report("kestrum2", "Kestrum2PrinterConfiguration"),
                report("kestrum4", "Kestrum4PrinterConfiguration"),
                report("quillon", "QuillonPrinterConfiguration"),
                { tag: "RumoPrinterConfiguration", url: "qrc:/rumo/qml/RumoPrinterConfiguration.qml",
                  buttons: ["prnConfirmBtn", "cancelReport", "vfSelectFile"] },
                report("tolvar", "TolvarPrinterConfiguration"),
                report("tolvar4", "Tolvar4PrinterConfiguration"),
                config("bemari", "BemariConfiguration"),
                config("bemariplus", "BemariPlusConfiguration"),
                config("dravo", "Dravo2Configuration"),
                { tag: "Dravo2Configuration schedule", url: "qrc:/dravo/qml/Dravo2Configuration.qml",
                  buttons: ["applySchBtn", "closeSchBtn"], tab: 1 },
                config("kestrum2", "Kestrum2Configuration"),
                config("kestrum4", "Kestrum4Configuration"),
                config("quillon", "QuillonConfiguration"),
                { tag: "RumoConfiguration", url: "qrc:/rumo/qml/RumoConfiguration.qml",
                  buttons: configButtons.concat(["applyCalibrationBtn"]) },
                { tag: "AboutWindow", url: "qrc:/qml/AboutWindow.qml", buttons: [] },
                { tag: "VfCalendar", url: "qrc:/qml/VfCalendar.qml", buttons: [] }
            ]
        }

        // Inside `window`, as its content lies in it.
        function inside(item) {
            var place = item.mapToItem(window.contentItem, 0, 0)
            return place.x >= 0 && place.y >= 0 && place.x + item.width <= window.width
                    && place.y + item.height <= window.height
        }

        function test_opensInsideTheScreen(data) {
            var component = Qt.createComponent(data.url)
            verify(component.status === Component.Ready, component.errorString())
            window = component.createObject(scene)
            verify(window)
            // The test means nothing on a larger screen.
            compare(scene.Screen.desktopAvailableWidth, 800)
            compare(scene.Screen.desktopAvailableHeight, 600)

            window.showNormal()
            window.raise()
            window.requestActivate()
            tryVerify(function () { return window.active })
            if (data.tab !== undefined)
                window.tabBar.currentIndex = data.tab

            verify(window.x >= 0 && window.y >= 0, "at " + window.x + "," + window.y)
            verify(window.x + window.width <= 800 && window.y + window.height <= 600,
                   "size " + window.width + "x" + window.height + " at " + window.x + "," + window.y)
            verify(window.minimumWidth <= 800 && window.minimumHeight <= 600)
            for (var i = 0; i < data.buttons.length; ++i) {
                var button = findChild(window.contentItem, data.buttons[i])
                verify(button, data.buttons[i])
                verify(button.visible, data.buttons[i])
                // Once the window's layouts have placed it.
                tryVerify(function () { return inside(button) }, 2000,
                          data.buttons[i] + " lies outside the window")
            }

            // Options taller than the window scroll inside it.
            var options = findChild(window.contentItem, "reportOptions")
            if (options) {
                verify(inside(options))
                if (options.contentHeight > options.availableHeight)
                    verify(options.ScrollBar.vertical.visible)
            }

            keyClick(Qt.Key_Escape)
            tryVerify(function () { return !window.visible })
        }
    }
}
