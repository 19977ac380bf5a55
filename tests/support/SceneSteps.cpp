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

void SceneSteps::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QVERIFY(target->isEnabled());
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
