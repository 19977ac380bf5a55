#pragma once

#include <QString>
#include <QVariant>

class QObject;
class QQuickItem;
class QQuickWindow;

// Runs a helper that checks as it goes, and ends the walk when it failed.
#define STEP(helper)                                                                               \
    do {                                                                                           \
        helper;                                                                                    \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// What a walk through the application's scene does as a user would: find an
// object by its name, click an item, call a page's function, grab the screen.
// The checks fail the running test function.
namespace SceneSteps {

// The object named `objectName` at or under `from`; a warning (which fails a
// walk that collects warnings) when there is none.
QObject *named(QObject *from, const char *objectName);
QQuickItem *item(QObject *from, const char *objectName);
// A left click in the middle of a visible, enabled item, scrolled into view
// first when a flickable holds it below or above what shows.
void click(QQuickItem *target);
// A QML function of `target` with one argument.
QVariant call(QObject *target, const char *method, const QVariant &argument = {});
// The picture a user would see of `window`, saved in the test's working
// folder; the mouse rests outside the window, so that no hover colour shows.
void screenshot(QQuickWindow *window, const QString &fileName);

} // namespace SceneSteps
