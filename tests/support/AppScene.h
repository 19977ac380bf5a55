#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class Core;
class QObject;
class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;

// The application's scene for tests: main.qml loaded with `core` as the
// backend, in a desktop-sized window (whatever the test platform's screen
// is), shown and exposed. Null when the scene did not load or show.
QQuickWindow *openAppScene(QQmlApplicationEngine &engine, Core *core);

// The object named `objectName` at or under `start`: among the object
// children and, for the items that repeaters and views make (which have no
// object parent), the child items; a window's content item included. Null
// when there is none.
QObject *findNamed(QObject *start, const QString &objectName);

// Clicks the middle of `target` with the mouse, as a user would; fails the
// test when it is not shown or not enabled.
void clickItem(QQuickItem *target);

// Answers the shown message box that has `button` (the scene's message
// dialogs are the platform's message boxes) by clicking it; fails the test
// when there is none.
void answerMessageBox(QMessageBox::StandardButton button);

// The delegate of `row` in the list view `list`, or in the view named
// "listview" inside it (as a VfList holds it); null when there is none.
QQuickItem *listItemAt(QObject *list, int row);

// Presses the home page's search on `window`, waits until `core` lists the
// one instrument on the extra ports, gives its link `idleTimeoutMs` of
// silence before a reply counts as ended, and gives that instrument's row in
// `row`; fails the test otherwise.
void findTheInstrument(QQuickWindow *window, Core *core, int idleTimeoutMs, QQuickItem **row);

// Saves what the user would see of `window` to `filePath`: offscreen only
// the screen grab gives it. The mouse first rests outside the window, so that
// no hover colour shows.
void saveScreenshot(QQuickWindow *window, const QString &filePath);

// Collects into `sink` every warning printed from now on, until
// stopCollectingSceneWarnings(); the offscreen platform's notes on what it
// cannot do with windows (size hints, raising) are no fault of a scene and
// are left out. Messages still reach the previous handler.
void collectSceneWarnings(QStringList *sink);
void stopCollectingSceneWarnings();

// Ends the scene: frees the scene graph's textures (see SceneTextures), deletes
// the engine and lets the windows that went with deleteLater go.
void closeAppScene(QQmlApplicationEngine *engine);
