#pragma once

#include <QObject>
#include <QString>

class ExposureComponent;

// Makes a model's exposure component by its product name.
class FactoryExposureComponent : public QObject
{
    Q_OBJECT

public:
    explicit FactoryExposureComponent(QObject *parent = nullptr);

    // Null when no model of that name has one. The caller owns the result.
    static ExposureComponent *create(const QString &productName);
};
