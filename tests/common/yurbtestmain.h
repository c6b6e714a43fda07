#pragma once

#include "modalwatchdog.h"
#include "promptrecorder.h"
#include "temporaryhome.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, but the test runs in a temporary HOME set before the
// application object exists, the web engine runs without its sandbox (tests
// run as root in CI, where the sandbox refuses to start), and a prompt or
// modal box that the test did not expect fails it instead of hanging it.
#define YURB_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TemporaryHome home;                                                                        \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                               \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        PromptRecorder::failOnPrompts();                                                           \
        const ModalWatchdog watchdog;                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
