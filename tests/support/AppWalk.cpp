#include "AppWalk.h"

#include "AppScene.h"
#include "Core.h"
#include "Device.h"
#include "Interface.h"
#include "SceneSteps.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <ctime>

AppWalk::~AppWalk() = default;

void AppWalk::startWalks()
{
    qputenv("TZ", "UTC");
    tzset();
    collectSceneWarnings(&m_warnings);
}

void AppWalk::endWalks()
{
    stopCollectingSceneWarnings();
}

void AppWalk::openScene(const QStringList &portPaths)
{
    qputenv("VALTRIX_EXTRA_PORTS", portPaths.join(':').toLocal8Bit());
    qputenv("VALTRIX_SYSTEM_PORTS", "0");
    m_warnings.clear();
    m_core.reset(new Core);
    m_engine.reset(new QQmlApplicationEngine);
    m_window = openAppScene(*m_engine, m_core.get());
    QVERIFY(m_window);
}

void AppWalk::closeScene()
{
    const QStringList warnings = m_warnings;
    closeAppScene(m_engine.release());
    m_window = nullptr;
    m_core.reset();
    qunsetenv("VALTRIX_EXTRA_PORTS");
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QObject *AppWalk::named(const char *objectName, QObject *from) const
{
    return SceneSteps::named(from ? from : static_cast<QObject *>(m_window), objectName);
}

QQuickItem *AppWalk::item(const char *objectName, QObject *from) const
{
    return qobject_cast<QQuickItem *>(named(objectName, from));
}

QObject *AppWalk::rootDialog(const char *dialogName) const
{
    return named(dialogName, named("rootDialogs"));
}

QQuickItem *AppWalk::listRow(QObject *listView, int row) const
{
    QQuickItem *result = nullptr;
    if (listView)
        QMetaObject::invokeMethod(listView, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result),
                                  Q_ARG(int, row));
    return result;
}

QString AppWalk::state() const
{
    QObject *root = named("root");
    return root ? root->property("state").toString() : QString();
}

QVariant AppWalk::call(QObject *target, const char *method, const QVariant &argument)
{
    return SceneSteps::call(target, method, argument);
}

QString AppWalk::text(const char *objectName, QObject *from) const
{
    QObject *found = named(objectName, from);
    return found ? found->property("text").toString() : QString();
}

void AppWalk::dropNotesOfUnwrittenAndUnviewedReports()
{
    for (int i = m_warnings.size() - 1; i >= 0; --i) {
        const QString &note = m_warnings.at(i);
        if (note.contains("QPainter::begin") || note.contains("openDocument") ||
            note.contains("Unable to detect a launcher"))
            m_warnings.removeAt(i);
    }
}

void AppWalk::waitForBackgroundWork()
{
    // A long report under the sanitizers on a loaded machine takes minutes.
    QTRY_VERIFY_WITH_TIMEOUT(named("root")->property("busyText").toString().isEmpty(), 300000);
}

void AppWalk::resizeScene(const QSize &size)
{
    m_window->resize(size);
    QTRY_COMPARE(m_window->size(), size);
    QTRY_COMPARE(item("root")->size(), QSizeF(size));
    // The layouts settle before a frame is drawn at the new size.
    QSignalSpy drawn(m_window, &QQuickWindow::frameSwapped);
    m_window->update();
    QTRY_VERIFY(!drawn.isEmpty());
}

void AppWalk::openFoundDevice(const QString &productName, int devices, int idleMs)
{
    STEP(SceneSteps::click(item("findBtn")));
    QObject *found = named("listview", named("devsearch"));
    QTRY_COMPARE(found->property("count").toInt(), devices);
    for (QObject *object : m_core->deviceList().value<QList<QObject *>>())
        qobject_cast<Device *>(object)->interface()->setIdleTimeout(idleMs);
    QQuickItem *row = nullptr;
    for (int i = 0; i < devices && !row; ++i) {
        if (listRow(found, i)->property("productName").toString() == productName)
            row = listRow(found, i);
    }
    QVERIFY2(row, qPrintable(productName));
    STEP(SceneSteps::click(row));
}
