#pragma once

#include "temporaryhome.h"

#include <QApplication>

// What a benchmark of the main window runs in: a temporary home, so the
// user's settings are never read or written, the web engine's sandbox off
// (benchmarks may run as root), the application object, and standard output
// flushed line by line so figures show as they come.
class WindowBench
{
public:
    WindowBench(int &argc, char **argv);

private:
    TemporaryHome m_home;
    bool m_sandboxOff;
    QApplication m_app;
};
