#include "AppScene.h"
#include "Core.h"
#include "SceneTextures.h"
#include "StartUp.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The start-up as main() runs it: splash, fonts, Core and the QML scene.
class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void startsWithSplashAndMainWindow()
    {
        QStringList warnings;
        collectSceneWarnings(&warnings);
        {
            StartUp startUp(*qApp);
            QSignalSpy messages(&startUp, &StartUp::splashMessage);
            QVERIFY(startUp.start());
            QStringList shown;
            for (const QList<QVariant> &message : messages)
                shown.append(message.first().toString());
            QCOMPARE(shown,
                     QStringList({"Loading locales...", "Loading core...", "Starting models..."}));
            QCOMPARE(startUp.versionLabel(), "V1.0." + startUp.core()->revision());
            QVERIFY(!startUp.core()->revision().isEmpty());
            QCOMPARE(QCoreApplication::applicationName(), QString("SuiteValtrix"));

            auto *window = qobject_cast<QQuickWindow *>(startUp.engine()->rootObjects().first());
            QVERIFY(window);
            QCOMPARE(window->title(), QString("Valtrix Suite"));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY(window->findChild<QObject *>("pageHome"));
            SceneTextures::release();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stopCollectingSceneWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
