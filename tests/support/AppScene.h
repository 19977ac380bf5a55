#pragma once

class Core;
class QQmlApplicationEngine;
class QQuickWindow;

// The application's scene for tests: main.qml loaded with `core` as the
// backend, in a desktop-sized window (whatever the test platform's screen
// is), shown and exposed. Null when the scene did not load or show.
QQuickWindow *openAppScene(QQmlApplicationEngine &engine, Core *core);

// Ends the scene: frees the scene graph's textures (see SceneTextures), deletes
// the engine and lets the windows that went with deleteLater go.
void closeAppScene(QQmlApplicationEngine *engine);
