#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The sixteen tool switches of the settings file: their keys in page order,
// the tab titles that choose each tool's set-up (both from the tool table,
// tooltable.h), and how a stored value reads.
namespace ToolSwitches {

inline constexpr int toolCount = 16;

// The keys in the order of the form's pages, "MORE" last (never read).
[[nodiscard]] const QStringList &keys();

// The English tab titles of the sixteen tool pages, in the same order.
[[nodiscard]] const QStringList &tabTitles();

// A switch is on when its text is empty (absent key) or exactly "true".
[[nodiscard]] bool isOn(const QString &storedText);

// The tool index (0..15) whose set-up a tab with this title gets, or -1.
[[nodiscard]] int toolForTitle(const QString &title);

// For each of the first `toolPageCount` titles, in order, the tool to set up;
// titles matching no tool are skipped.
[[nodiscard]] QList<int> setUpOrder(const QStringList &titles, int toolPageCount);

} // namespace ToolSwitches
