#pragma once

#include "Device.h"
#include "DeviceConfig.h"
#include "Experiment.h"
#include "ExposureComponent.h"
#include "Log.h"
#include "Results.h"
#include "VfFile.h"
#include "VfPrinter.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// A small instrument model that exists only in the tests, so that the
// framework can be driven end to end without a real model family.
//
// Its exchanges with the simulated instrument:
// - run list entry "+VFXPLST: <index>,<size>,<name>";
// - record "+VFRDXP: <number>,<value>";
// - header page 1 "+VFXPHDR: 1,<index>,<label>", then the common page 8;
// - configuration "AT+VFTSTCFG?" answered "+VFTSTCFG: <level>", written with
//   "AT+VFTSTCFG=<level>".
namespace TestModel {

extern const char *const ProductName; // "TESTMODEL"
extern const char *const Extension;   // ".tsm"

// Report options {"fail": true} make the test model's report fail to paint.

// Adds the model's row to the registry (idempotent).
void registerModel();

// The simulated run `index` with `size` records and both header pages.
struct RunText
{
    QByteArray listEntry;
    QList<QByteArray> records;
    QByteArray page1;
    QByteArray page8;
};
RunText runText(int index, int size, const QByteArray &name);

} // namespace TestModel

class TestModelConfig : public DeviceConfig
{
    Q_OBJECT

public:
    int level = 0;

public slots:
    QJsonObject toJson() override;
    int fromJson(QString json) override;
};

class TestModelDevice : public Device
{
    Q_OBJECT

public:
    // From a probed device (its link adopted), or with no link for a file.
    explicit TestModelDevice(Device *probed = nullptr);

public slots:
    Results *readExperimentHeader(Experiment *run) override;
    int readConfig() override;
    int writeConfig() override;
};

class TestModelLog : public Log
{
    Q_OBJECT

public:
    int number = 0;
    QString value;
    void fromJson(const QJsonObject &json);

public slots:
    int parseRecord(QByteArray record) override;
    QJsonObject toJson() override;
};

class TestModelResults : public Results
{
    Q_OBJECT

public:
    QString label;
    QString workingHours;
    QString generalDataType;
    QList<int> refreshedEvents;
    int applied = 0;
    int parsePage1(const QByteArray &text);
    void fromJson(const QJsonObject &json);

public slots:
    QJsonObject toJson() override;
    int refreshWorkingHours(QString json) override;
    int refreshExposureComponent(QJsonObject component) override;
    int refreshGeneralData(QJsonObject data) override;
    int applyExposureComponents(Experiment *chainHead) override;
};

class TestModelExperiment : public Experiment
{
    Q_OBJECT

public:
    QString name;
    static TestModelExperiment *fromJson(const QJsonObject &json);

public slots:
    void copyHeader(const Experiment *entry) override;
    int parseListEntry(QByteArray line) override;
    QJsonObject toJson() override;
};

class TestModelExposureComponent : public ExposureComponent
{
    Q_OBJECT
    Q_PROPERTY(int event READ event CONSTANT)

public:
    int event() const { return m_event; }

public slots:
    void loadFromExperiment(Experiment *run) override;

private:
    int m_event = -1;
};

class TestModelFile : public VfFile
{
    Q_OBJECT

public:
    explicit TestModelFile(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
};

// Paints a page naming the product and the serial number, then a page
// naming each run.
class TestModelPrinter : public VfPrinter
{
    Q_OBJECT

public:
    bool fail = false;

public slots:
    int print() override;
    void setReportOptions(QString json) override;
};
