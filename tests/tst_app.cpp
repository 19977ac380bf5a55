// The real scene with a real Core against simulated instruments: the home
// page's flows driven as a user would, by the objects' names.
#include "AppScene.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "ModelRegistry.h"
#include "SimulatedInstrument.h"
#include "VfFile.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A model that exists only here; the scene shows it on the pages of the
// dosimeter family.
const char *const AppTestProduct = "APPTEST";
const char *const AppTestExtension = ".apt";

class AppTestFile : public VfFile
{
public:
    explicit AppTestFile(const QString &fileName)
        : VfFile(fileName, AppTestProduct)
    {
    }

protected:
    Experiment *parseRun(const QJsonObject &run) override
    {
        auto *experiment = new Experiment;
        experiment->setDeviceName(AppTestProduct);
        experiment->setIndex(run.value("index").toInt());
        return experiment;
    }
};

void registerAppTestModel()
{
    ModelEntry entry;
    entry.productName = AppTestProduct;
    entry.extension = AppTestExtension;
    entry.makeDevice = [](Device *probed) {
        auto *device = new Device;
        device->adoptProbedDevice(probed);
        return device;
    };
    entry.makeDeviceByName = [] {
        auto *device = new Device;
        device->setProductName(AppTestProduct);
        return device;
    };
    entry.makeExperiment = [] { return new Experiment; };
    entry.makeFile = [](const QString &fileName) { return new AppTestFile(fileName); };
    ModelRegistry::instance().add(entry);
}

QByteArray dataFileContent()
{
    Device device;
    device.setProductName(AppTestProduct);
    device.setManufactoryName("valtrix");
    device.setSn("1000");
    device.setFw("2.1");
    const QList<QJsonObject> runs{QJsonObject{{"index", 0}}};
    return DataFileEnvelope::encode(DataFileEnvelope::document("1", device.toJson(), runs));
}

} // namespace

class TstApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void startsOnHomePage();
    void findListsBothInstruments();
    void selectingOpensTheModelPage();
    void unsupportedProductIsReported();
    void disconnectedInstrumentIsReported();
    void refusedClockOrRunListIsReported_data();
    void refusedClockOrRunListIsReported();
    void openFileLeavesHome();
    void tamperedFileIsRefused();

private:
    QObject *named(const char *objectName, QObject *from = nullptr) const;
    QQuickItem *item(const char *objectName) const;
    QObject *homeDialog(const char *dialogName) const;
    QQuickItem *listRow(int row) const;
    void click(QQuickItem *target);
    void findDevices();
    QVariant call(const char *objectName, const char *method, const QVariant &argument = {});

    std::unique_ptr<SimulatedInstrument> m_supported;
    std::unique_ptr<SimulatedInstrument> m_unsupported;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<Core> m_core;
    QQuickWindow *m_window = nullptr;
    QStringList m_warnings;
    QTemporaryDir m_dir;
};

static QStringList *g_messages = nullptr;
static QtMessageHandler g_previousHandler = nullptr;

static void collectMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Every warning of the scene is a fault; the offscreen plugin's note on
    // size hints of the widget dialogs is not.
    if (g_messages && type != QtDebugMsg && type != QtInfoMsg &&
        !text.contains("propagateSizeHints"))
        g_messages->append(text);
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

void TstApp::initTestCase()
{
    registerAppTestModel();
    QVERIFY(m_dir.isValid());
    g_messages = &m_warnings;
    g_previousHandler = qInstallMessageHandler(collectMessages);
}

void TstApp::init()
{
    m_supported.reset(new SimulatedInstrument);
    m_supported->setIdentity("valtrix", AppTestProduct, "1000", "2.1");
    m_unsupported.reset(new SimulatedInstrument);
    m_unsupported->setIdentity("valtrix", "NOMODEL", "2000", "3.0");
    qputenv("VALTRIX_EXTRA_PORTS",
            (m_supported->portPath() + ":" + m_unsupported->portPath()).toLocal8Bit());

    m_warnings.clear();
    m_core.reset(new Core);
    m_engine.reset(new QQmlApplicationEngine);
    m_window = openAppScene(*m_engine, m_core.get());
    QVERIFY(m_window);

    // The test model shows on the dosimeter's pages.
    QObject *root = named("root");
    QVariantMap families = root->property("familyStates").toMap();
    families.insert(AppTestProduct,
                    QVariantMap{{"device", "Dravo2State"}, {"results", "DravoResultsState"}});
    root->setProperty("familyStates", families);
}

void TstApp::cleanup()
{
    QVERIFY2(m_warnings.isEmpty(), qPrintable(m_warnings.join('\n')));
    closeAppScene(m_engine.release());
    m_core.reset();
    m_supported.reset();
    m_unsupported.reset();
    qunsetenv("VALTRIX_EXTRA_PORTS");
}

void TstApp::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
    g_messages = nullptr;
}

QObject *TstApp::named(const char *objectName, QObject *from) const
{
    QObject *start = from ? from : m_window;
    if (start->objectName() == objectName)
        return start;
    QObject *found = start->findChild<QObject *>(objectName);
    if (!found)
        qWarning("no object named %s", objectName);
    return found;
}

QQuickItem *TstApp::item(const char *objectName) const
{
    return qobject_cast<QQuickItem *>(named(objectName));
}

QObject *TstApp::homeDialog(const char *dialogName) const
{
    return named(dialogName, named("homeDialogs"));
}

QQuickItem *TstApp::listRow(int row) const
{
    QQuickItem *result = nullptr;
    QMetaObject::invokeMethod(named("listview"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result),
                              Q_ARG(int, row));
    return result;
}

void TstApp::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    const QPoint centre =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre);
}

void TstApp::findDevices()
{
    QStringList progressTexts;
    QObject *warningText = named("warningText");
    QObject watcher; // goes with this function, also when a check returns early
    connect(m_core.get(), &Core::findingDevices, &watcher,
            [&] { progressTexts.append(warningText->property("text").toString()); });
    click(item("findBtn"));
    QTRY_COMPARE(named("listview")->property("count").toInt(), 2);
    disconnect(m_core.get(), &Core::findingDevices, &watcher, nullptr);
    QVERIFY(progressTexts.size() >= 2);
    QCOMPARE(progressTexts.last(), QString("Looking for instruments [100 %]"));
    QCOMPARE(warningText->property("text").toString(), QString());
}

QVariant TstApp::call(const char *objectName, const char *method, const QVariant &argument)
{
    QVariant result;
    QMetaObject::invokeMethod(named(objectName), method, Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, argument));
    return result;
}

void TstApp::startsOnHomePage()
{
    QCOMPARE(m_window->title(), QString("Valtrix Suite"));
    QVERIFY(item("pageHome")->isVisible());
    QCOMPARE(named("root")->property("state").toString(), QString());
    QVERIFY(!item("backButton")->isVisible());
    QCOMPARE(named("listview")->property("count").toInt(), 0);
}

void TstApp::findListsBothInstruments()
{
    findDevices();
    QCOMPARE(listRow(0)->property("productName").toString(), QString(AppTestProduct));
    QCOMPARE(listRow(0)->property("serialNumber").toString(), QString("1000"));
    QCOMPARE(listRow(1)->property("productName").toString(), QString("NOMODEL"));
    QCOMPARE(listRow(1)->property("fwVersion").toString(), QString("3.0"));

    // The home page as the user sees it; offscreen only the screen grab
    // gives the picture.
    QTest::qWait(300);
    const QImage shot = m_window->screen()->grabWindow(m_window->winId()).toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(QDir::current().filePath("home-page.png")));
}

void TstApp::selectingOpensTheModelPage()
{
    findDevices();
    m_supported->clearCommands();
    click(listRow(0));
    QTRY_COMPARE(named("root")->property("state").toString(), QString("Dravo2State"));
    QVERIFY(item("pageDravo2")->isVisible());
    QVERIFY(!item("pageHome")->isVisible());
    QVERIFY(!m_supported->commandsStartingWith("AT+CCLK=").isEmpty());
    QVERIFY(!m_supported->commandsStartingWith("AT+VFXPLST").isEmpty());
    const QList<QByteArray> commands = m_supported->commands();
    QVERIFY(commands.indexOf(m_supported->commandsStartingWith("AT+CCLK=").first()) <
            commands.indexOf("AT+VFXPLST"));

    click(item("backButton"));
    QCOMPARE(named("root")->property("state").toString(), QString());
    QVERIFY(item("pageHome")->isVisible());
}

void TstApp::unsupportedProductIsReported()
{
    findDevices();
    click(listRow(1));
    QTRY_VERIFY(
        named("unsupportedDeviceDialog", named("rootDialogs"))->property("visible").toBool());
    QCOMPARE(named("root")->property("state").toString(), QString());
}

void TstApp::disconnectedInstrumentIsReported()
{
    findDevices();
    m_supported->dropLink();
    QTest::qWait(100);
    click(listRow(0));
    QTRY_VERIFY(homeDialog("devDisconnectedDialog")->property("visible").toBool());
    QCOMPARE(named("root")->property("state").toString(), QString());
}

void TstApp::refusedClockOrRunListIsReported_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("state");
    const int busy = int(SimulatedInstrument::Fault::Busy);
    const int error = int(SimulatedInstrument::Fault::Error);
    QTest::newRow("clock busy") << QByteArray("AT+CCLK=") << busy << "deviceBusyDialog"
                                << "";
    QTest::newRow("run list busy") << QByteArray("AT+VFXPLST") << busy << "deviceBusyDialog"
                                   << "";
    // The page still opens: its configuration window can erase the memory.
    QTest::newRow("run list refused") << QByteArray("AT+VFXPLST") << error << "rcvExpListDialog"
                                      << "Dravo2State";
}

void TstApp::refusedClockOrRunListIsReported()
{
    QFETCH(QByteArray, command);
    QFETCH(int, fault);
    QFETCH(QString, dialog);
    QFETCH(QString, state);
    findDevices();
    m_supported->scriptFault(command, SimulatedInstrument::Fault(fault));
    click(listRow(0));
    QTRY_VERIFY(homeDialog(qPrintable(dialog))->property("visible").toBool());
    QCOMPARE(named("root")->property("state").toString(), state);
}

void TstApp::openFileLeavesHome()
{
    const QString path = m_dir.filePath(QString("run") + AppTestExtension);
    QVERIFY(VfFile::write(path, dataFileContent()) == 0);
    QSignalSpy finished(m_core.get(), &Core::fileReadFinished);
    call("pageHome", "openFile", QUrl::fromLocalFile(path).toString());
    // The file is read in the background.
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(named("root")->property("state").toString(), QString("DravoResultsState"));
    QVERIFY(!homeDialog("invalidFileDialog")->property("visible").toBool());
}

void TstApp::tamperedFileIsRefused()
{
    QByteArray content = dataFileContent();
    content[10] = content[10] == 'A' ? 'B' : 'A';
    const QString path = m_dir.filePath(QString("tampered") + AppTestExtension);
    QVERIFY(VfFile::write(path, content) == 0);
    call("pageHome", "openFile", QUrl::fromLocalFile(path).toString());
    QTRY_VERIFY(homeDialog("invalidFileDialog")->property("visible").toBool());
    QCOMPARE(named("root")->property("state").toString(), QString());
    QCOMPARE(named("warningText")->property("text").toString(), QString());
}

QTEST_MAIN(TstApp)
#include "tst_app.moc"
