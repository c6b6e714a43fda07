#include "serviceinfo.h"

ServiceInfo::ServiceInfo(std::unique_ptr<BleService> service)
    : m_service(service.release())
{
    if (m_service)
        m_service->setParent(this);
}

BleService *ServiceInfo::service() const
{
    return m_service;
}

QString ServiceInfo::getName() const
{
    return m_service ? m_service->serviceName() : QString();
}

QString ServiceInfo::getUuid() const
{
    return m_service ? m_service->serviceUuid().toString() : QString();
}

QString ServiceInfo::getType() const
{
    if (!m_service)
        return {};
    const QLowEnergyService::ServiceTypes type = m_service->type();
    QString text = QStringLiteral("<");
    text += type.testFlag(QLowEnergyService::PrimaryService) ? QStringLiteral("primary")
                                                             : QStringLiteral("secondary");
    if (type.testFlag(QLowEnergyService::IncludedService))
        text += QStringLiteral(" included");
    return text + QLatin1Char('>');
}
