#pragma once

#include "Device.h"

#include <QByteArray>
#include <QString>

class SoundLevelConfig;
class SoundLevelResults;

// What the two sound level meters say alike: the service word read when the
// device is made, the three measurement settings (read into a new
// configuration, written from the held one), and a run's header pages 1 to 5
// and 8 read into new results.
//
// Results of the exchanges: 0 done; -1 ERROR, a value refused before
// sending or a page refused; -2 BUSY (after `busy()`, except for the service
// word); -3 not sent or no usable reply.
class SoundLevelMeter : public Device
{
    Q_OBJECT

public:
    static constexpr int HeaderPages = 5;

    int serviceConfig() const { return m_serviceConfig; }
    SoundLevelConfig *soundLevelConfig() const;

    // One query per setting, storing the value in `config` as it came.
    int readFrequencyWeighting(SoundLevelConfig *config);
    int readTimeWeighting(SoundLevelConfig *config);
    int readOctaveAnalysis(SoundLevelConfig *config);

    // One write per setting. A value outside the setting's set gives -1 and
    // sends nothing.
    int writeFrequencyWeighting(const QString &weighting);
    virtual int writeTimeWeighting(const QString &weighting);
    int writeOctaveAnalysis(const QString &analysis);

    // Header page `page` (1 to 5) of run `index` into `results`. On any
    // failure the results are deleted; on success they stay the caller's.
    int readResultsPage(int page, SoundLevelResults *results, int index);
    int readHeaderPage1(SoundLevelResults *results, int index);
    int readHeaderPage2(SoundLevelResults *results, int index);
    int readHeaderPage3(SoundLevelResults *results, int index);
    int readHeaderPage4(SoundLevelResults *results, int index);
    int readHeaderPage5(SoundLevelResults *results, int index);

public slots:
    int readServiceConfig() override;
    // Reads the three settings into a new configuration, which then replaces
    // the one held; at the first failure the held one stays.
    int readConfig() override;
    // Writes the held configuration's three settings, stopping at the first
    // failure; -1 (nothing sent) without a configuration of this model.
    int writeConfig() override;
    // Pages 1 to 5, then the common page 8 (whose failure leaves its fields
    // at their defaults). Null when a page before 8 fails. The caller owns
    // the results.
    Results *readExperimentHeader(Experiment *run) override;

protected:
    // For a data file: no link.
    explicit SoundLevelMeter(const QString &productName);
    // Takes over the identity, calibration and link of a probed device.
    explicit SoundLevelMeter(Device *probed);

    virtual SoundLevelConfig *newConfig() const = 0;
    virtual SoundLevelResults *newResults() const = 0;

    // "AT+<name>?" answered "+<name>: <value>": the value with its double
    // quotes removed, Latin-1, up to a NUL byte. Gives the exchange's code.
    int querySetting(const QByteArray &name, QString *value);
    // "AT+<name>="<value>"" answered by a final line alone (an echo of the
    // setting's prefix is allowed before it).
    int writeSetting(const QByteArray &name, const QString &value, const QStringList &choices);
    // The write's reply taken as it is.
    int sendSetting(const QByteArray &name, const QString &value, QByteArray *reply);
    int busyCode(int code);

private:
    int m_serviceConfig = 0;
};
