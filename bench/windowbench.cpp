#include "windowbench.h"

#include <cstdio>

WindowBench::WindowBench(int &argc, char **argv)
    : m_sandboxOff(qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1"))
    , m_app(argc, argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}
