#include "Core.h"
#include "Device.h"
#include "Experiment.h"

Core::Core(QObject *parent)
    : QObject(parent)
{
}

Core::~Core() = default;

QVariant Core::deviceList() const
{
    return QVariant();
}

QVariant Core::experimentList() const
{
    return QVariant();
}

QVariant Core::virtualSchedulelist() const
{
    return QVariant();
}

QVariant Core::expCompList() const
{
    return QVariant();
}

QString Core::devName() const
{
    return QString();
}

QVariant Core::device() const
{
    return QVariant();
}

QString Core::experiment() const
{
    return QString();
}

QString Core::configuration() const
{
    return QString();
}

QString Core::calib() const
{
    return QString();
}

QString Core::version() const
{
    return QString();
}

QString Core::builtDate() const
{
    return QString();
}

QString Core::builtYear() const
{
    return QString();
}

QString Core::revision() const
{
    return QString();
}

QString Core::coreBits() const
{
    return QString();
}

QString Core::buildRevision()
{
    return QString();
}

int Core::setTimeNow()
{
    return -1;
}

int Core::findExperiments()
{
    return -1;
}

int Core::saveExperimentToFile(QString fileName)
{
    Q_UNUSED(fileName)
    return -1;
}

int Core::createDevice(int idx)
{
    Q_UNUSED(idx)
    return -1;
}

int Core::createExperiment(QString idxList)
{
    Q_UNUSED(idxList)
    return -1;
}

int Core::acquireConfiguration()
{
    return -1;
}

int Core::acquireScheduleList()
{
    return -1;
}

int Core::sndConfiguration(QString cfg)
{
    Q_UNUSED(cfg)
    return -1;
}

int Core::sndCalibration(QString calib)
{
    Q_UNUSED(calib)
    return -1;
}

int Core::sndScheduleList(QString cfg)
{
    Q_UNUSED(cfg)
    return -1;
}

int Core::eraseMemory()
{
    return -1;
}

int Core::generateReport(QString options)
{
    Q_UNUSED(options)
    return -1;
}

void Core::refreshWorkingHours(QString expParam)
{
    Q_UNUSED(expParam)
}

void Core::refreshPartialResults(QString exposureComponentList)
{
    Q_UNUSED(exposureComponentList)
}

void Core::refreshGeneralData(QString generalData)
{
    Q_UNUSED(generalData)
}

void Core::parseFile(QString fileName)
{
    Q_UNUSED(fileName)
}

void Core::updateProgressBar(double progress)
{
    Q_UNUSED(progress)
}

void Core::removeSchedule(int idx)
{
    Q_UNUSED(idx)
}

void Core::addSchedule(QString schedule)
{
    Q_UNUSED(schedule)
}

void Core::serialErrorOcurred(QSerialPort::SerialPortError error)
{
    Q_UNUSED(error)
}

void Core::deviceIsBusy() {}

void Core::findDevices() {}

void Core::nextExp() {}

void Core::prevExp() {}
