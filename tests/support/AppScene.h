#pragma once

#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

class Core;
class QObject;
class QQmlApplicationEngine;
class QQuickWindow;

// The size of the scene's main window: 1280x800, a desktop's, unless
// VALTRIX_SCENE_SIZE asks for another as WIDTHxHEIGHT (the screenshot walk
// looks at every page on the smallest screen too).
QSize sceneWindowSize();

// The application's scene for tests: main.qml loaded with `core` as the
// backend, in a window of sceneWindowSize() (whatever the test platform's
// screen is), shown and exposed. Null when the scene did not load or show.
QQuickWindow *openAppScene(QQmlApplicationEngine &engine, Core *core);

// The object named `objectName` at or under `start`: among the object
// children and, for the items that repeaters and views make (which have no
// object parent), the child items; a window's content item included. Null
// when there is none.
QObject *findNamed(QObject *start, const QString &objectName);

// Answers the shown message box that has `button` (the scene's message
// dialogs are the platform's message boxes) by clicking it; fails the test
// when there is none.
void answerMessageBox(QMessageBox::StandardButton button);

// Collects into `sink` every warning printed from now on, until
// stopCollectingSceneWarnings(); the offscreen platform's notes on what it
// cannot do with windows (size hints, raising) and the X server's errors on a
// virtual display are no fault of a scene and are left out. Messages still reach the previous
// handler.
void collectSceneWarnings(QStringList *sink);
void stopCollectingSceneWarnings();

// Ends the scene: frees the scene graph's textures (see SceneTextures), deletes
// the engine and lets the windows that went with deleteLater go.
void closeAppScene(QQmlApplicationEngine *engine);
