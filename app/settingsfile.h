#pragma once

#include <QString>

#include <functional>

class QSettings;

// The per-user settings file: ".config/Nuvelix/YURB/config.ini" in the home
// folder, read and written in INI format by every tool.
[[nodiscard]] QString settingsFilePath();

// Sets keys through `write` on a settings object of its own and writes them
// to the file at once; false when they did not reach it (a full or read-only
// disk, a folder in the way).
[[nodiscard]] bool saveSettings(const std::function<void(QSettings &)> &write);
