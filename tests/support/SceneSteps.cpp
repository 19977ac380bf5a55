#include "SceneSteps.h"

#include "AppScene.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

QObject *SceneSteps::named(QObject *from, const char *objectName)
{
    QObject *found = findNamed(from, QString::fromLatin1(objectName));
    if (!found)
        qWarning("no object named %s", objectName);
    return found;
}

QQuickItem *SceneSteps::item(QObject *from, const char *objectName)
{
    return qobject_cast<QQuickItem *>(named(from, objectName));
}

namespace {

// The content position of a flickable along one axis ("X" or "Y") that
// brings `place` (in the view's coordinates) into its middle, kept within the
// content; unchanged when `place` shows already.
qreal scrolledTo(const QQuickItem *view, const char *axis, qreal place, qreal viewSize)
{
    const QByteArray name(axis);
    const qreal now = view->property("content" + name).toReal();
    if (place >= 0 && place <= viewSize)
        return now;
    const qreal first = view->property("origin" + name).toReal();
    const char *extent = name == "X" ? "contentWidth" : "contentHeight";
    const qreal last = qMax(first, first + view->property(extent).toReal() - viewSize);
    return qBound(first, now + place - viewSize / 2, last);
}

// Scrolls the flickables around `target` until its middle shows, as a user
// does before clicking something beyond the edge of a small window.
void scrollIntoView(QQuickItem *target)
{
    const QPointF middle(target->width() / 2, target->height() / 2);
    for (QQuickItem *view = target->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        const QPointF place = target->mapToItem(view, middle);
        view->setProperty("contentX", scrolledTo(view, "X", place.x(), view->width()));
        view->setProperty("contentY", scrolledTo(view, "Y", place.y(), view->height()));
    }
}

} // namespace

void SceneSteps::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QVERIFY(target->isEnabled());
    scrollIntoView(target);
    const QPoint centre =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(target->window(), Qt::LeftButton, Qt::NoModifier, centre);
}

QVariant SceneSteps::call(QObject *target, const char *method, const QVariant &argument)
{
    QVariant result;
    if (!QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, result),
                                   Q_ARG(QVariant, argument)))
        qWarning("cannot call %s", method);
    return result;
}

// Offscreen only the screen grab gives the picture the user would see.
void SceneSteps::screenshot(QQuickWindow *window, const QString &fileName)
{
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
    QTest::qWait(300);
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(QDir::current().filePath(fileName)));
}
