// The simulator tool as a user starts it: its port reached through a link
// that keeps its path from one start to the next.
#include "Device.h"
#include "SimulatorProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestValtrixSim : public QObject
{
    Q_OBJECT

private slots:
    void linkKeepsItsPathAcrossStarts()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString link = dir.filePath("dravo");
        QStringList ports;
        for (int start = 0; start < 2; ++start) {
            {
                SimulatorProcess simulator({"--model", "DRAVO 2", "--link", link});
                QVERIFY(!simulator.port().isEmpty());
                ports.append(simulator.port());
                QCOMPARE(QFileInfo(link).symLinkTarget(), simulator.port());
                Device device;
                QCOMPARE(device.open(link), 0);
                QCOMPARE(device.readIdentity(), 0);
                QCOMPARE(device.productName(), QString("DRAVO 2"));
            }
            // Gone with the simulator.
            QVERIFY(!QFileInfo(link).isSymLink());
        }

        // A file that is no link is never replaced.
        QFile file(link);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SimulatorProcess refused({"--link", link});
        QVERIFY(refused.port().isEmpty());
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_MAIN(TestValtrixSim)
#include "tst_valtrixsim.moc"
