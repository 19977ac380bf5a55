#include "BemariResults.h"

#include "DeviceDateTime.h"

namespace {

const int kLevelFields = 8;
// A page that carries exposure level and peak has this many fields or more.
const int kLevelFieldsWithPeak = 10;

} // namespace

int BemariResults::parseHeaderPage1(const QByteArray &text)
{
    return parseIdentityPage(text).isEmpty() ? -1 : 0;
}

int BemariResults::parseHeaderPage2(const QByteArray &text)
{
    const QStringList f = pageFields(text, 2, kLevelFields);
    if (f.isEmpty())
        return -1;
    setLEq(f.at(2));
    setLMax(f.at(3));
    setLMin(f.at(4));
    setLFMax(f.at(5));
    if (f.at(6).isEmpty() || f.at(7).isEmpty())
        return -1;
    setLMaxDateTime(parseDeviceDateTime(f.at(6) + QLatin1Char(',') + f.at(7)));
    const bool withPeak = f.size() >= kLevelFieldsWithPeak;
    setSel(levelOrAbsent(withPeak ? f.at(8) : QString()));
    setLPeak(levelOrAbsent(withPeak ? f.at(9) : QString()));
    return 0;
}

int BemariResults::parseHeaderPage3(const QByteArray &text)
{
    return parseBandPage(text);
}

int BemariResults::parseHeaderPage4(const QByteArray &text)
{
    return parseCheckPage(text);
}

int BemariResults::parseHeaderPage5(const QByteArray &text)
{
    return parseStatisticsPage(text, false);
}

int BemariResults::parsePage(int page, const QByteArray &text)
{
    switch (page) {
    case 1:
        return parseHeaderPage1(text);
    case 2:
        return parseHeaderPage2(text);
    case 3:
        return parseHeaderPage3(text);
    case 4:
        return parseHeaderPage4(text);
    case 5:
        return parseHeaderPage5(text);
    default:
        return -1;
    }
}
