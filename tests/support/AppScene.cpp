#include "AppScene.h"

#include "Core.h"
#include "SceneTextures.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QtTest>

QQuickWindow *openAppScene(QQmlApplicationEngine &engine, Core *core)
{
    engine.rootContext()->setContextProperty("core", core);
    engine.load(QUrl("qrc:/qml/main.qml"));
    if (engine.rootObjects().isEmpty())
        return nullptr;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return nullptr;
    window->setVisibility(QWindow::Windowed);
    window->resize(1280, 800);
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void closeAppScene(QQmlApplicationEngine *engine)
{
    SceneTextures::release();
    delete engine;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
