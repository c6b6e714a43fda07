#pragma once

#include <QMainWindow>
#include <QStatusBar>
#include <QString>

// Finds a widget of a window by object name; ends the test program if there
// is none, since every later step would only crash on it.
template <typename T> T *child(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// The status-bar message the window shows now.
inline QString statusText(const QMainWindow &window)
{
    return window.statusBar()->currentMessage();
}
