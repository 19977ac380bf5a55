import QtQuick 2.15
import QtQuick.Controls 2.15

// A report window's options, scrolled upright when they are taller than the
// room the window gives them. The bar then stays in view, so that the user
// sees there is more below; its room is kept beside the options, which are as
// wide as the pane (its availableWidth) and never scroll sideways.
ScrollView {
    id: pane

    contentWidth: availableWidth
    clip: true
    rightPadding: 14
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    ScrollBar.vertical.policy: contentHeight > availableHeight ? ScrollBar.AlwaysOn
                                                               : ScrollBar.AlwaysOff
}
