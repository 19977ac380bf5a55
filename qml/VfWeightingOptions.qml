import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The measurement settings of a noise instrument's configuration window:
// time and frequency weighting in the frame "Weighting", and the octave
// analysis in a frame of its own. The texts are those the configuration
// record keeps; `setSettings` checks the buttons of a configuration and
// `settings()` gives the checked ones.
RowLayout {
    id: options

    readonly property var timeWeightings: ["Fast", "Slow", "Impulse"]
    readonly property var frequencyWeightings: ["A", "C", "Z"]
    readonly property var octaveAnalyses: ["1/1", "1/3"]
    property alias octaveFrame: octaveFrame
    // The room between the time and the frequency column.
    property int columnSpacing: 80
    // A value the window does not offer leaves its group as it was, rather
    // than checking no button.
    property bool keepsUnknown: false
    // An instrument without octave analysis reports no mode: the frame is
    // then off and the settings name none.
    property bool octaveOptional: true

    // The text of the checked button of a group, or "" when none is.
    function checkedText(group) {
        return group.checkedButton ? group.checkedButton.text : ""
    }

    // Checks the button of `group` whose text is `value`.
    function check(group, value) {
        var buttons = group.buttons
        for (var i = 0; i < buttons.length; ++i) {
            if (buttons[i].text === value)
                buttons[i].checked = true
            else if (!keepsUnknown)
                buttons[i].checked = false
        }
    }

    function setSettings(cfg) {
        check(timeGroup, cfg.timeWeighting)
        check(frequencyGroup, cfg.frequencyWeighting)
        if (octaveOptional)
            octaveFrame.enabled = cfg.octaveAnalysis !== ""
        check(octaveGroup, cfg.octaveAnalysis)
    }

    function settings() {
        return {
            "timeWeighting": checkedText(timeGroup),
            "frequencyWeighting": checkedText(frequencyGroup),
            "octaveAnalysis": octaveFrame.enabled ? checkedText(octaveGroup) : ""
        }
    }

    spacing: 14

    component Choices: ColumnLayout {
        property alias title: title.text
        property alias model: buttons.model
        property ButtonGroup group
        property string namePrefix
        Layout.alignment: Qt.AlignTop
        VfText {
            id: title
            font.pixelSize: 14
            font.italic: true
        }
        Repeater {
            id: buttons
            VfRadioButton {
                objectName: namePrefix + modelData.replace("/", "_")
                text: modelData
                ButtonGroup.group: group
            }
        }
    }

    VfFrame {
        Layout.fillWidth: true
        Layout.fillHeight: true
        label: qsTr("Weighting")

        RowLayout {
            spacing: options.columnSpacing
            Choices {
                title: qsTr("Time")
                model: options.timeWeightings
                group: timeGroup
                namePrefix: "time"
            }
            Choices {
                title: qsTr("Frequency")
                model: options.frequencyWeightings
                group: frequencyGroup
                namePrefix: "frequency"
            }
        }
    }

    VfFrame {
        id: octaveFrame
        objectName: "octaveFrame"
        Layout.fillHeight: true
        Layout.preferredWidth: 180
        label: qsTr("Octave analysis")

        Choices {
            model: options.octaveAnalyses
            group: octaveGroup
            namePrefix: "octave"
        }
    }

    ButtonGroup { id: timeGroup }
    ButtonGroup { id: frequencyGroup }
    ButtonGroup { id: octaveGroup }
}
