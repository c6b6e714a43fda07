#include "toolswitches.h"

namespace ToolSwitches {

const QStringList &keys()
{
    static const QStringList list{
        QStringLiteral("COM"),         QStringLiteral("UDP"),     QStringLiteral("TCP"),
        QStringLiteral("GPS"),         QStringLiteral("GSM"),     QStringLiteral("UNICODE"),
        QStringLiteral("Environment"), QStringLiteral("Crypty"),  QStringLiteral("Oscilloscope"),
        QStringLiteral("MQTT"),        QStringLiteral("Ble"),     QStringLiteral("Spectra"),
        QStringLiteral("Convert"),     QStringLiteral("i2cdump"), QStringLiteral("TOF"),
        QStringLiteral("Modbus"),      QStringLiteral("MORE")};
    return list;
}

const QStringList &tabTitles()
{
    static const QStringList list{
        QStringLiteral("Serial Debug"), QStringLiteral("UDP Debug"), QStringLiteral("TCP Debug"),
        QStringLiteral("GPS Debug"),    QStringLiteral("GSM Debug"), QStringLiteral("Unicode"),
        QStringLiteral("Environment"),  QStringLiteral("Crypty"),    QStringLiteral("Oscilloscope"),
        QStringLiteral("MQTT"),         QStringLiteral("Ble"),       QStringLiteral("Spectra"),
        QStringLiteral("Convert"),      QStringLiteral("i2cdump"),   QStringLiteral("TOF"),
        QStringLiteral("Modbus")};
    return list;
}

bool isOn(const QString &storedText)
{
    return storedText.isEmpty() || storedText == QLatin1String("true");
}

int toolForTitle(const QString &title)
{
    return tabTitles().indexOf(title);
}

QList<int> setUpOrder(const QStringList &titles, int toolPageCount)
{
    QList<int> order;
    const int count = std::min<int>(toolPageCount, titles.size());
    for (int i = 0; i < count; ++i) {
        const int tool = toolForTitle(titles.at(i));
        if (tool >= 0)
            order.append(tool);
    }
    return order;
}

} // namespace ToolSwitches
