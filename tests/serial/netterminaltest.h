#pragma once

#include "mainwindow.h"
#include "promptrecorder.h"
#include "windowprobe.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <memory>

// What the UDP and TCP terminal tests share: the window of each test
// function with its prompt recorder, pressing a button as the user does,
// the views with their time stamps made comparable, and running a repeat.
namespace NetTerminalTest {

// The terminals react to pressed(); a click presses and releases.
inline void press(QAbstractButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString status(const MainWindow &window)
{
    return statusText(window);
}

// A view's text with each "[hh:mm:ss.zzz]" stamp written "[T]".
inline QString viewText(const QObject &window, const char *name)
{
    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
    return child<QPlainTextEdit>(window, name)->toPlainText().replace(stamp, QStringLiteral("[T]"));
}

// The hex view's text with its stamps made comparable; the view is shown
// first, as the user does, since a hidden hex view only keeps the bytes.
inline QString hexViewText(const QObject &window, const char *hexBox, const char *view)
{
    child<QCheckBox>(window, hexBox)->setChecked(true);
    return viewText(window, view);
}

// A loopback port free now, for a terminal that must listen on a real port.
inline quint16 freeUdpPort()
{
    QUdpSocket probe;
    return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : 0;
}

inline quint16 freeTcpPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, 0) ? probe.serverPort() : 0;
}

inline void showPage(MainWindow &window, const char *page)
{
    child<QTabWidget>(window, "tabWidget")->setCurrentWidget(child<QWidget>(window, page));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// The window's running timer of that interval: a repeat just started.
inline QTimer *runningTimer(const MainWindow &window, int interval)
{
    for (QTimer *candidate : window.findChildren<QTimer *>()) {
        if (candidate->isActive() && candidate->interval() == interval)
            return candidate;
    }
    return nullptr;
}

// Starts repeating the TCP send box `text` every `interval` ms.
inline void startTcpRepeat(MainWindow &window, int interval, const QString &text)
{
    child<QCheckBox>(window, "TCPobocheckBox")->setChecked(true);
    child<QSpinBox>(window, "TCPdelayspinBox")->setValue(interval);
    child<QPlainTextEdit>(window, "TCPsendMsgtextEdit")->setPlainText(text);
    press(child<QPushButton>(window, "TCPsendmsgBtn"));
}

// Repeats the TCP send box "tick" every `interval` ms until at least five
// ticks have passed, then pauses it; `ticks` is how many there were.
inline void repeatTcpTicks(MainWindow &window, int interval, qsizetype *ticks)
{
    startTcpRepeat(window, interval, QStringLiteral("tick"));
    auto *sendButton = child<QPushButton>(window, "TCPsendmsgBtn");
    QTimer *timer = runningTimer(window, interval);
    QVERIFY(timer);
    QSignalSpy spy(timer, &QTimer::timeout);
    QTRY_VERIFY(spy.size() >= 5);
    press(sendButton);
    *ticks = spy.size();
}

// Base of the terminal test classes: each test function gets a new window,
// made after the recorder that answers its prompts and gone before it.
class TerminalTestCase : public QObject
{
protected:
    void openWindow(const char *page)
    {
        m_prompts = std::make_unique<PromptRecorder>();
        m_window = std::make_unique<MainWindow>();
        showPage(*m_window, page);
    }
    void closeWindow()
    {
        m_window.reset();
        m_prompts.reset();
    }

    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace NetTerminalTest
