#pragma once

#include <QTemporaryDir>

// Points HOME (and the XDG folders under it) at a fresh temporary folder for
// the life of the object, so a test never reads or writes the user's files;
// the converter's exchange-rate feed points at a closed loopback port.
class TemporaryHome
{
public:
    TemporaryHome();

    [[nodiscard]] QString path() const { return m_dir.path(); }
    // The program's settings file inside this home.
    [[nodiscard]] QString settingsFile() const;

private:
    QTemporaryDir m_dir;
};
