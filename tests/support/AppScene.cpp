#include "AppScene.h"

#include "Core.h"
#include "SceneTextures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QtTest>

QSize sceneWindowSize()
{
    const QSize desktop(1280, 800);
    const QString asked = qEnvironmentVariable("VALTRIX_SCENE_SIZE");
    if (asked.isEmpty())
        return desktop;
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(asked);
    if (!size.hasMatch()) {
        qWarning("VALTRIX_SCENE_SIZE is not WIDTHxHEIGHT: %s", qPrintable(asked));
        return desktop;
    }
    return QSize(size.captured(1).toInt(), size.captured(2).toInt());
}

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
    window->resize(sceneWindowSize());
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

namespace {

QStringList *g_sink = nullptr;
QtMessageHandler g_previousHandler = nullptr;

// Qt's own table view recycles its row items: a row container whose cached
// item went with a model that was swapped out reads that item once more before
// it is dropped, and says so. Nothing of ours is involved.
bool isTableViewRecyclingNote(const QString &text)
{
    return text.contains(QLatin1String("/QtQuick/Controls/Private/BasicTableView.qml:")) &&
           text.contains(QLatin1String("Cannot read property 'activeFocus' of null"));
}

void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The offscreen platform's notes on what it cannot do, and the X
    // server's protocol errors on a virtual display without a window
    // manager, are no fault of a scene.
    if (g_sink && type != QtDebugMsg && type != QtInfoMsg &&
        !text.startsWith(QLatin1String("This plugin does not support")) &&
        qstrcmp(context.category, "qt.qpa.xcb") != 0 && !isTableViewRecyclingNote(text))
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
