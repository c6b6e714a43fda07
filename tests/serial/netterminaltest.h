#pragma once

#include "mainwindow.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

// Small helpers of the UDP and TCP terminal tests: find a widget of the
// window by its name, press a button as the user does, read the views with
// their time stamps made comparable.
namespace NetTerminalTest {

template <typename T> T *child(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// The terminals react to pressed(); a click presses and releases.
inline void press(QAbstractButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString status(const MainWindow &window)
{
    return window.statusBar()->currentMessage();
}

// A view's text with each "[hh:mm:ss.zzz]" stamp written "[T]".
inline QString viewText(const QObject &window, const char *name)
{
    static const QRegularExpression stamp(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]"));
    return child<QPlainTextEdit>(window, name)->toPlainText().replace(stamp, QStringLiteral("[T]"));
}

inline void showPage(MainWindow &window, const char *page)
{
    child<QTabWidget>(window, "tabWidget")->setCurrentWidget(child<QWidget>(window, page));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace NetTerminalTest
