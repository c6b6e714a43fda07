#pragma once

#include <QString>

// The per-user settings file: ".config/Nuvelix/YURB/config.ini" in the home
// folder, read and written in INI format by every tool.
[[nodiscard]] QString settingsFilePath();
