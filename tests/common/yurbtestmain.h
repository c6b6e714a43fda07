#pragma once

#include "temporaryhome.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, but the test runs in a temporary HOME set before the
// application object exists, and the web engine runs without its sandbox
// (tests run as root in CI, where the sandbox refuses to start).
#define YURB_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TemporaryHome home;                                                                        \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                               \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
