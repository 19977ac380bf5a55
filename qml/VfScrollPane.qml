import QtQuick 2.15
import QtQuick.Controls 2.15

// Content scrolled upright when it is taller than the room it is given (a
// report window's options, a results tab in a small window). The bar then
// stays in view, so that the user sees there is more below; its room is kept
// beside the content, which is as wide as the pane (its availableWidth) and
// never scrolls sideways.
ScrollView {
    id: pane

    contentWidth: availableWidth
    clip: true
    rightPadding: padding + 14
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    ScrollBar.vertical.policy: contentHeight > availableHeight ? ScrollBar.AlwaysOn
                                                               : ScrollBar.AlwaysOff
}
