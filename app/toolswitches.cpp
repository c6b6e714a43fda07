#include "toolswitches.h"

#include "tooltable.h"

namespace ToolSwitches {

#define YURB_TOOL_KEY(key, title, setUp) QStringLiteral(key),
#define YURB_TOOL_TITLE(key, title, setUp) QStringLiteral(title),

const QStringList &keys()
{
    static const QStringList list{YURB_TOOL_TABLE(YURB_TOOL_KEY) QStringLiteral("MORE")};
    return list;
}

const QStringList &tabTitles()
{
    static const QStringList list{YURB_TOOL_TABLE(YURB_TOOL_TITLE)};
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
