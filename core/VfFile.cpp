#include "VfFile.h"

#include "CalibrationCertificate.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "LargeBuffer.h"
#include "WholeFile.h"

#include <QFileInfo>

VfFile::VfFile(const QString &fileName)
    : QFile(fileName)
{
    const QFileInfo info(fileName);
    m_path = info.path();
    m_baseName = info.completeBaseName();
}

VfFile::VfFile(const QString &fileName, const QString &productName)
    : VfFile(fileName)
{
    m_productName = productName;
}

bool VfFile::openForReading()
{
    const QFileInfo info(fileName());
    if (!info.isFile() || info.size() > MaxSize)
        return false;
    return open(QIODevice::ReadOnly);
}

QByteArray VfFile::readContent()
{
    // Read in one go into room made for the whole file; whatever the file
    // has grown by since is read after it.
    QByteArray content;
    const qint64 expected = size();
    if (expected > 0 && expected <= MaxSize) {
        LargeBuffer::reserve(content, int(expected));
        content.resize(int(expected));
        content.resize(int(qMax<qint64>(0, read(content.data(), expected))));
    }
    content += readAll();
    return content;
}

bool VfFile::decodeEnvelope(const QByteArray &content, QJsonObject &root)
{
    const DataFileEnvelope::Status status = DataFileEnvelope::decode(content, root);
    if (status != DataFileEnvelope::Ok) {
        m_status = status;
        return false;
    }
    return true;
}

Device *VfFile::readHeader(QByteArray content)
{
    QJsonObject root;
    if (!decodeEnvelope(content, root))
        return nullptr;
    return readHeader(root);
}

Device *VfFile::readHeader(const QJsonObject &root)
{
    const QJsonObject device =
        root.value(QStringLiteral("Info")).toObject().value(QStringLiteral("Device")).toObject();
    const QString name = device.value(QStringLiteral("name")).toString();
    if (checkDeviceName(name)) {
        m_status = Malformed;
        return nullptr;
    }
    Device *instrument = DeviceFactory::createByName(name);
    if (!instrument) {
        m_status = Malformed;
        return nullptr;
    }
    instrument->setManufactoryName(device.value(QStringLiteral("manufactory")).toString());
    instrument->setSn(device.value(QStringLiteral("SN")).toString());
    instrument->setFirmware(device.value(QStringLiteral("Fw")).toString());
    const QJsonObject calibration = device.value(QStringLiteral("calibration")).toObject();
    CalibrationCertificate certificate;
    certificate.setCertification(calibration.value(QStringLiteral("certification")).toString());
    certificate.setDate(parseDeviceDateTime(calibration.value(QStringLiteral("date")).toString()));
    instrument->setCalibration(certificate);
    return instrument;
}

Experiment *VfFile::parse(QByteArray content)
{
    QJsonObject root;
    if (!decodeEnvelope(content, root))
        return nullptr;
    return parseDocument(root);
}

Experiment *VfFile::parseDocument(const QJsonObject &root)
{
    Experiment *head = nullptr;
    const QList<QJsonObject> runs = runObjects(root);
    for (const QJsonObject &object : runs) {
        Experiment *run = parseRun(object);
        if (!run) {
            if (head)
                head->deleteChain();
            m_status = Malformed;
            return nullptr;
        }
        if (head)
            head->append(run);
        else
            head = run;
    }
    if (!head)
        m_status = Malformed;
    return head;
}

bool VfFile::checkDeviceName(QString name)
{
    return !m_productName.isEmpty() && name != m_productName;
}

Experiment *VfFile::parseRun(const QJsonObject &run)
{
    Q_UNUSED(run)
    return nullptr;
}

QList<QJsonObject> VfFile::runObjects(const QJsonObject &root) const
{
    return DataFileEnvelope::runObjects(root);
}

int VfFile::write(const QString &fileName, const QByteArray &content, QString *error)
{
    return WholeFile::write(fileName, content, error) ? 0 : -1;
}

int VfFile::writeLine(const QString &fileName, const QByteArray &line, QString *error)
{
    const auto end = [&line] { return DataFileEnvelope::lineEnd(line); };
    return WholeFile::write(fileName, line, end, error) ? 0 : -1;
}
