#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class Core;
class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;

// The frame of a walk through the real application: main.qml with a real
// Core over the instruments at the given ports (found through the
// extra-ports variable), the scene's objects reached by their names, and no
// warning allowed on the way. A scene test derives from it: startWalks() in
// initTestCase, openScene() in init, closeScene() in cleanup and endWalks()
// in cleanupTestCase. The steps a user takes are SceneSteps'.
class AppWalk : public QObject
{
public:
    ~AppWalk() override;

protected:
    // This computer's zone is UTC, so that an instrument elsewhere shows
    // whether its own times are shown; warnings are collected from now on.
    void startWalks();
    void endWalks();
    // A new Core and scene over the instruments at `portPaths`.
    void openScene(const QStringList &portPaths);
    // The scene goes first, whatever the walk left behind; then a warning
    // printed on the walk fails it.
    void closeScene();

    // The object named `objectName` under `from` (the window when null); a
    // warning names what is missing.
    QObject *named(const char *objectName, QObject *from = nullptr) const;
    QQuickItem *item(const char *objectName, QObject *from = nullptr) const;
    QObject *rootDialog(const char *dialogName) const;
    // Row `row` of a ListView.
    QQuickItem *listRow(QObject *listView, int row) const;
    // Root's state: the page shown.
    QString state() const;
    QVariant call(QObject *target, const char *method, const QVariant &argument = {});
    // The "text" of the object named `objectName` under `from`.
    QString text(const char *objectName, QObject *from = nullptr) const;
    // Forgets Qt's notes on a report file it could not open for writing and
    // on a desktop with no viewer for the report: a walk that provokes them
    // on purpose calls this once they are printed.
    void dropNotesOfUnwrittenAndUnviewedReports();
    // Waits while the shell shows work running in the background (a data
    // file saved or read, a report written): what the walk looks at next is
    // what that work left.
    void waitForBackgroundWork();
    // The main window at `size`, laid out again (for a look at the smallest
    // window the application allows).
    void resizeScene(const QSize &size);
    // Searches from the home page until `devices` instruments are listed,
    // gives every link `idleMs` of patience and opens the instrument named
    // `productName`, as a user clicks its row.
    void openFoundDevice(const QString &productName, int devices, int idleMs);

    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<Core> m_core;
    QQuickWindow *m_window = nullptr;
    QStringList m_warnings;
};
