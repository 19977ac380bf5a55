#include "ExchangeInput.h"

QList<ModelEntry> ExchangeInput::models()
{
    QList<ModelEntry> devices;
    for (const ModelEntry &entry : ModelRegistry::instance().entries()) {
        if (entry.makeDevice)
            devices.append(entry);
    }
    return devices;
}

bool ExchangeInput::read(const QByteArray &data)
{
    if (data.size() < 3)
        return false;
    model = static_cast<unsigned char>(data.at(0));
    operation = static_cast<unsigned char>(data.at(1));
    size = static_cast<unsigned char>(data.at(2));
    replies = data.mid(3).split(kSeparator);
    return true;
}

QByteArray ExchangeInput::write() const
{
    QByteArray data;
    data.append(char(model)).append(char(operation)).append(char(size));
    for (int i = 0; i < replies.size(); ++i) {
        if (i > 0)
            data.append(kSeparator);
        data.append(replies.at(i));
    }
    return data;
}
