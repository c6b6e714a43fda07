#include "modalwatchdog.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {
constexpr int checkIntervalMs = 100;
} // namespace

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(checkIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start();
}

void ModalWatchdog::check()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    const QByteArray what = "unexpected modal window \"" + modal->windowTitle().toUtf8() + "\" (" +
                            modal->metaObject()->className() + ")";
    if (QTest::currentTestFunction())
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    else
        qWarning("%s", what.constData());
    modal->close();
}
