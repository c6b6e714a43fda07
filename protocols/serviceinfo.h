#pragma once

#include "bleservice.h"

#include <QObject>
#include <QString>

#include <memory>

// One service of the connected device; owns its service object.
class ServiceInfo : public QObject
{
    Q_OBJECT

public:
    explicit ServiceInfo(std::unique_ptr<BleService> service);

    [[nodiscard]] BleService *service() const;
    [[nodiscard]] QString getName() const;
    [[nodiscard]] QString getUuid() const;
    // "<primary>", "<secondary>", with " included" before the ">" for an
    // included service; empty without a service object.
    [[nodiscard]] QString getType() const;

private:
    BleService *m_service;
};
