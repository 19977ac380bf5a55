#include "AppScene.h"

#include "Core.h"
#include "Device.h"
#include "Interface.h"
#include "SceneTextures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
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

QObject *findNamed(QObject *start, const QString &objectName)
{
    if (start->objectName() == objectName)
        return start;
    QList<QObject *> children = start->children();
    if (auto *item = qobject_cast<QQuickItem *>(start)) {
        for (QQuickItem *child : item->childItems()) {
            if (!children.contains(child))
                children.append(child);
        }
    }
    if (auto *window = qobject_cast<QQuickWindow *>(start))
        children.append(window->contentItem());
    for (QObject *child : qAsConst(children)) {
        if (QObject *found = findNamed(child, objectName))
            return found;
    }
    return nullptr;
}

void clickItem(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QVERIFY(target->isEnabled());
    const QPoint centre =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(target->window(), Qt::LeftButton, Qt::NoModifier, centre);
}

void answerMessageBox(QMessageBox::StandardButton button)
{
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *candidate = qobject_cast<QMessageBox *>(widget);
        if (candidate && candidate->isVisible() && candidate->button(button))
            box = candidate;
    }
    QVERIFY(box);
    box->button(button)->click();
}

QQuickItem *listItemAt(QObject *list, int row)
{
    if (!list)
        return nullptr;
    if (QObject *inner = findNamed(list, QStringLiteral("listview")))
        list = inner;
    QQuickItem *result = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result),
                              Q_ARG(int, row));
    return result;
}

void findTheInstrument(QQuickWindow *window, Core *core, int idleTimeoutMs, QQuickItem **row)
{
    *row = nullptr;
    auto *search = qobject_cast<QQuickItem *>(findNamed(window, QStringLiteral("findBtn")));
    clickItem(search);
    if (QTest::currentTestFailed())
        return;
    QObject *devices = findNamed(window, QStringLiteral("devsearch"));
    QVERIFY(devices);
    devices = findNamed(devices, QStringLiteral("listview"));
    QVERIFY(devices);
    QTRY_COMPARE(devices->property("count").toInt(), 1);
    for (QObject *object : core->deviceList().value<QList<QObject *>>())
        qobject_cast<Device *>(object)->interface()->setIdleTimeout(idleTimeoutMs);
    *row = listItemAt(devices, 0);
    QVERIFY(*row);
}

void saveScreenshot(QQuickWindow *window, const QString &filePath)
{
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
    QTest::qWait(300);
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(filePath));
}

namespace {

QStringList *g_sink = nullptr;
QtMessageHandler g_previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_sink && type != QtDebugMsg && type != QtInfoMsg &&
        !text.startsWith(QLatin1String("This plugin does not support")))
        g_sink->append(text);
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

} // namespace

void collectSceneWarnings(QStringList *sink)
{
    g_sink = sink;
    g_previousHandler = qInstallMessageHandler(collect);
}

void stopCollectingSceneWarnings()
{
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
    g_sink = nullptr;
}

void closeAppScene(QQmlApplicationEngine *engine)
{
    SceneTextures::release();
    delete engine;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
