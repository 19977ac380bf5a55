#include "DataFileEnvelope.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "SceneTextures.h"
#include "VfFile.h"
#include "VfPrinter.h"
#include "VfSamples.h"

#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QVariantMap>
#include <QtQuickTest>

#include <memory>

// What a report writer reads from an options text, for the QML tests to hold
// the JSON that the report windows build against the writer's own reading.
class ReportOptionsReader : public QObject
{
    Q_OBJECT

    class Reader : public VfPrinter
    {
    public:
        int print() override { return 0; }
    };

public:
    explicit ReportOptionsReader(QObject *parent)
        : QObject(parent)
    {
    }

    Q_INVOKABLE QVariantMap read(const QString &json) const
    {
        Reader printer;
        printer.setReportOptions(json);
        return {{"fileName", printer.reportFileName()},
                {"ownCompany", printer.ownCompany()},
                {"collectorName", printer.collectorName()},
                {"repIdReg", printer.reporterId()},
                {"repName", printer.reporterName()},
                {"cmpnyName", printer.companyName()},
                {"siteName", printer.siteName()},
                {"emplName", printer.employeeName()},
                {"ckbTable", printer.tableEnabled()},
                {"ownCompanyInfoEnable", printer.ownCompanyShown()},
                {"collectorInfoEnable", printer.collectorShown()},
                {"emplInfoEnable", printer.employeeShown()},
                {"repInfoEnable", printer.reporterShown()},
                {"repIdInfoEnable", printer.reporterIdShown()},
                {"cmpnyInfoEnable", printer.companyShown()},
                {"siteInfoEnable", printer.siteShown()},
                {"logoEnable", printer.logoEnabled()},
                {"logoFile", printer.logoFile()},
                {"obsEnable", printer.notesEnabled()},
                {"obsText", printer.notesText()}};
    }
};

// The real sample helper behind the stand-in backend: a test shows a run
// given as the JSON that core.experiment would hold, read as a data file
// would be.
class SampleRuns : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *samples READ samples CONSTANT)

public:
    explicit SampleRuns(QObject *parent)
        : QObject(parent)
        , m_samples(new VfSamples(this))
    {
    }
    ~SampleRuns() override { show(QString()); }

    QObject *samples() const { return m_samples; }

    // False when the text is no run of a model with data files.
    Q_INVOKABLE bool show(const QString &runJson)
    {
        const QJsonObject run = QJsonDocument::fromJson(runJson.toUtf8()).object();
        QString name = QStringLiteral("run");
        std::unique_ptr<VfFile> file(
            FileFactory::createByName(run.value(QStringLiteral("deviceName")).toString(), name));
        Experiment *shown = nullptr;
        if (file) {
            const QJsonObject device{{QStringLiteral("name"), run.value("deviceName")}};
            shown = file->parse(DataFileEnvelope::encode(
                DataFileEnvelope::document(QStringLiteral("1"), device, {run})));
        }
        m_samples->setRun(shown);
        if (m_run)
            m_run->deleteChain();
        m_run = shown;
        return shown != nullptr;
    }

private:
    VfSamples *m_samples;
    Experiment *m_run = nullptr;
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // The file dialogs keep their settings under the application's names.
        QCoreApplication::setOrganizationName(QStringLiteral("Valtrix"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("valtrix.test"));
        QCoreApplication::setApplicationName(QStringLiteral("SuiteValtrixTests"));
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("reportOptionsReader"),
                                                  new ReportOptionsReader(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("sampleRuns"),
                                                  new SampleRuns(engine));
        // A test file ends with Qt.quit() while its window is still there:
        // its textures go before the window does.
        connect(engine, &QQmlEngine::quit, this, &SceneTextures::release);
    }
};

// Runs every tst_*.qml of this folder.
QUICK_TEST_MAIN_WITH_SETUP(valtrixqml, Setup)

#include "qmltests.moc"
