#include "AppScene.h"
#include "Core.h"
#include "CoreRig.h"
#include "ModelRegistry.h"
#include "SceneTextures.h"
#include "StartUp.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
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

    // The window closed while a data file is saved on a worker: the
    // application finishes the save under a notice, and a save that failed
    // shows its message and ends with a code that says so.
    void closingDuringASaveTellsItsOutcome_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("saved") << QString() << 0 << QString();
        QTest::newRow("failed") << "missing/" << 1 << "The file couldn't be saved";
    }

    void closingDuringASaveTellsItsOutcome()
    {
        QFETCH(QString, folder);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        const QString model = CoreRig::models().first();
        const QString extension = ModelRegistry::instance().byProductName(model)->extension;
        QTemporaryDir dir;
        const QString opened = dir.filePath("opened" + extension);
        {
            CoreRig rig(model.toLatin1());
            QVERIFY(rig.isReady());
            QCOMPARE(rig.core().saveExperimentToFile(opened), 0);
        }
        StartUp startUp(*qApp);
        QVERIFY(startUp.start());
        startUp.core()->parseFile(opened);
        QVERIFY(startUp.core()->currentExperiment());
        const QString saved = dir.filePath(folder + "saved" + extension);
        QCOMPARE(startUp.core()->startSaveExperimentToFile(saved), 0);
        auto *window = qobject_cast<QQuickWindow *>(startUp.engine()->rootObjects().first());
        window->close();

        // The notice stands while the save ends.
        bool noticed = false;
        connect(startUp.core(), &Core::fileSaved, [&noticed] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *label = qobject_cast<QLabel *>(widget);
                noticed = noticed || (label && label->objectName() == "finishingNotice" &&
                                      label->isVisible() &&
                                      label->text() == "Finishing the data file before closing...");
            }
        });
        QString message;
        QString reason;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                message = box->text();
                reason = box->informativeText();
                box->accept();
            }
        });
        watch.start(0);
        QCOMPARE(startUp.finish(0), exitCode);
        watch.stop();
        QCOMPARE(message, shown);
        QCOMPARE(QFile::exists(saved), shown.isEmpty());
        if (!shown.isEmpty())
            QVERIFY2(reason.contains(QDir::toNativeSeparators(dir.filePath("missing"))),
                     qPrintable(reason));
        QVERIFY(noticed);
        SceneTextures::release();
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
