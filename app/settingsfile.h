#pragma once

#include <QString>

#include <functional>
#include <optional>

class QSettings;

// The per-user settings file: ".config/Nuvelix/YURB/config.ini" in the home
// folder, read and written in INI format by every tool.
[[nodiscard]] QString settingsFilePath();

// Sets keys through `write` on a settings object of its own and writes them
// to the file at once; false when they did not reach it (a full or read-only
// disk, a folder in the way).
[[nodiscard]] bool saveSettings(const std::function<void(QSettings &)> &write);

// A copy of a settings file that QSettings reads with a format error: where
// it is kept, or why it could not be made.
struct UnreadableSettingsCopy
{
    QString path;
    QString failure;
};

// The next write of a file with a format error keeps only what QSettings
// read of it, so a copy of it as it is goes beside it first. Nothing when the
// file reads whole or these very bytes are kept already.
[[nodiscard]] std::optional<UnreadableSettingsCopy> keepUnreadableSettings();
