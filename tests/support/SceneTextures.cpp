#include "SceneTextures.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>

void SceneTextures::release()
{
    // Items that already left their scene (a view's delegates of an emptied
    // model) wait for deletion outside every window, still holding their
    // pictures: they go first, so that their pictures reach the cache below.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QQuickWindow *> windows;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        if (auto *quickWindow = qobject_cast<QQuickWindow *>(window))
            windows << quickWindow;
    for (QQuickWindow *window : qAsConst(windows))
        clearImages(window->contentItem());
    // A Qt Quick window empties the pixmap cache when it is destroyed.
    delete new QQuickWindow;
    for (QQuickWindow *window : qAsConst(windows))
        if (window->isVisible())
            window->grabWindow();
}

void SceneTextures::clearImages(QQuickItem *item)
{
    if (item->inherits("QQuickImageBase"))
        item->setProperty("source", QUrl());
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        clearImages(child);
}
