#pragma once

#include "mainwindow.h"
#include "ptypair.h"

#include <memory>

// The main window shown at 1200 x 800 with a pty pair as the only serial
// port, for benchmarks that play a device on the pty's master end.
class PtyWindow
{
public:
    PtyWindow();
    ~PtyWindow();
    PtyWindow(const PtyWindow &) = delete;
    PtyWindow &operator=(const PtyWindow &) = delete;

    [[nodiscard]] MainWindow &window() { return *m_window; }
    [[nodiscard]] int masterFd() const { return m_pty.masterFd(); }
    [[nodiscard]] QString portPath() const { return m_pty.slavePath(); }
    // Brings the page with this object name to the front.
    void showPage(const QString &name);

private:
    PtyPair m_pty;
    std::unique_ptr<MainWindow> m_window;
};
