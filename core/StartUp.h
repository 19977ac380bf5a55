#pragma once

#include <QObject>
#include <QString>
#include <memory>

class Core;
class QApplication;
class QLabel;
class QQmlApplicationEngine;
class QSplashScreen;
class QTranslator;

// The application's start-up: the splash screen with its version label and
// progress messages, the fonts, the translation, the one Core and the QML
// scene. The objects live as long as this one; the scene goes before Core.
class StartUp : public QObject
{
    Q_OBJECT

public:
    static const char *const MainScene;

    explicit StartUp(QApplication &app);
    ~StartUp() override;

    // Runs the start-up steps; false when the QML scene did not load.
    bool start();
    // Ends the application once its window has closed and the event loop
    // returned `exitCode`: the scene goes; a data file or report still being
    // written is finished while a notice says so, and its failure is shown
    // before the end. `exitCode`, or 1 when that work failed.
    int finish(int exitCode);

    Core *core() const { return m_core.get(); }
    QQmlApplicationEngine *engine() const { return m_engine.get(); }
    QString versionLabel() const;

signals:
    // Each progress message of the splash screen, in order.
    void splashMessage(const QString &message);

private:
    void showMessage(const QString &message);
    // Runs the event loop until the background work has ended: the reason
    // of its failure, or an empty text.
    QString awaitBackgroundWork();

    QApplication &m_app;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QSplashScreen> m_splash;
    QLabel *m_label = nullptr;
    std::unique_ptr<Core> m_core;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};
