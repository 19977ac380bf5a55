#include "VfPrinter.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QVariantMap>
#include <QtQuickTest>

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
    }
};

// Runs every tst_*.qml of this folder.
QUICK_TEST_MAIN_WITH_SETUP(valtrixqml, Setup)

#include "qmltests.moc"
