#pragma once

#include "Device.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class KestrumConfig;

// What the two heat-stress monitors share: the service word, the unit and
// interval exchanges and the download of a run's header pages. They have no
// schedules.
//
// Every exchange returns 0 done, -1 ERROR (or a value refused before
// sending), -2 BUSY, -3 not sent or no usable reply. These exchanges do not
// emit busy(): the pages name BUSY from the code.
class KestrumDevice : public Device
{
    Q_OBJECT

public:
    int serviceConfig() const { return m_serviceConfig; }
    // The held configuration, null before the first read or write.
    KestrumConfig *kestrumConfig() const;

    int readUnit(KestrumConfig *config);
    int readInterval(KestrumConfig *config);
    // `letter` must be "C" or "F"; anything else gives -1 and sends nothing.
    int writeUnit(const QString &letter);
    // "mm:ss" sent as seconds; text that is no interval of at least 1 s gives
    // -1 and sends nothing.
    int writeInterval(const QString &sampleTime);

public slots:
    // Unit, then interval; the held configuration changes only when both
    // were read.
    int readConfig() override;
    // Unit, then interval, from the held configuration. A missing
    // configuration, another unit or an unreadable interval gives -1 and
    // sends nothing.
    int writeConfig() override;
    int readSchedules() override { return -1; }
    int writeSchedules() override { return -1; }
    int readServiceConfig() override;

protected:
    using PageParser = std::function<int(QByteArray page)>;

    // For a data file: no link, no configuration.
    explicit KestrumDevice(const QString &productName);
    // Takes over the identity, calibration and link of a probed device.
    explicit KestrumDevice(Device *probed);

    // A new, empty configuration of the model.
    virtual KestrumConfig *makeConfig() const = 0;

    // Reads header pages 1, 2 ... of run `index`, one per parser, into
    // `results`, then the common page 8. Null when a page before page 8 is
    // not answered OK or is refused by its parser (later pages are not
    // asked); page 8 only fills what it can. The caller owns the results.
    Results *readHeaderPages(int index, std::unique_ptr<Results> results,
                             const QList<PageParser> &parsers);

private:
    // A query: the reply's final line decides; on OK the information text is
    // handed to `store`.
    int query(const QByteArray &command, const QByteArray &prefix,
              const std::function<void(const QByteArray &value)> &store);
    // A write: OK at the end is success; otherwise the whole reply must be a
    // final line to tell ERROR or BUSY from an unusable reply.
    int write(const QByteArray &command, const QByteArray &prefix);

    int m_serviceConfig = 0;
};
