#include "PhysicalQuantityDescriptor.h"

namespace {

struct CodeText
{
    const char *code;
    const char *text;
};

const CodeText kQuantityNames[] = {
    {"ILUM", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Illuminance")},
    {"UVA", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "UVA rad.")},
    {"UVB", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "UVB rad.")},
    {"UVI", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "UV Index")},
    {"ACC", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Angle")},
    {"STEL", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "STEL")},
    {"TEMP", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Temperature")},
    {"HUM", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Humidity")},
    {"PRESS", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Pressure")},
    {"IAQ", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "IAQ")},
    {"VEL", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Air velocity")},
    {"CONC", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Gas concentration")},
    {"MAGX", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Mag. (x)")},
    {"MAGY", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Mag. (y)")},
    {"MAGZ", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Mag. (z)")},
    {"MAG", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "Mag. res.")},
    {"EMFX", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "EMF (x)")},
    {"EMFY", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "EMF (y)")},
    {"EMFZ", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "EMF (z)")},
    {"EMF", QT_TRANSLATE_NOOP("PhysicalQuantityDescriptor", "EMF res.")},
};

} // namespace

PhysicalQuantityDescriptor::PhysicalQuantityDescriptor(QObject *parent)
    : QObject(parent)
{
}

QString PhysicalQuantityDescriptor::displayName() const
{
    for (const CodeText &entry : kQuantityNames) {
        if (m_name == QLatin1String(entry.code))
            return tr(entry.text);
    }
    return tr("Invalid");
}

QString PhysicalQuantityDescriptor::titleWithUnit() const
{
    const QString name = displayName();
    return m_unity.isEmpty() ? name : name + QStringLiteral(" [") + m_unity + QLatin1Char(']');
}

QJsonObject PhysicalQuantityDescriptor::toJson() const
{
    return {{QStringLiteral("name"), m_name},
            {QStringLiteral("nameTr"), displayName()},
            {QStringLiteral("unity"), m_unity}};
}
