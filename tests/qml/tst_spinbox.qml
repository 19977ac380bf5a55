import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The number box of the configuration windows: steps and typed values stay
// within its range.
Item {
    width: 300
    height: 100

    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    VfSpinBox {
        id: box
        from: 3
        to: 6
        value: 5
    }

    TestCase {
        name: "SpinBox"
        when: windowShown

        function init() { box.value = 5 }

        function test_stepsStopAtTheEnds() {
            mouseClick(findChild(box, "increase"))
            compare(box.value, 6)
            mouseClick(findChild(box, "increase"))
            compare(box.value, 6)
            for (var i = 0; i < 5; ++i)
                mouseClick(findChild(box, "decrease"))
            compare(box.value, 3)
        }

        function test_typedValue_data() {
            return [
                { tag: "inside the range", typed: "4", value: 4 },
                { tag: "above the range", typed: "9", value: 5 },
                { tag: "not a number", typed: "x", value: 5 }
            ]
        }

        function test_typedValue(data) {
            var input = findChild(box, "valueInput")
            input.forceActiveFocus()
            input.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed.charAt(i))
            keyClick(Qt.Key_Return)
            input.editingFinished()
            compare(box.value, data.value)
            compare(input.text, String(data.value))
        }
    }
}
