#include "receivereport.h"

#include "receiveview.h"
#include "terminalwidgets.h"

#include <QStatusBar>

ReceiveReport::ReceiveReport(ReceiveView *view, QLCDNumber *counter, QStatusBar *statusBar,
                             QObject *parent)
    : QObject(parent)
    , m_counter(counter)
    , m_statusBar(statusBar)
{
    connect(view, &ReceiveView::updated, this, &ReceiveReport::show);
    connect(statusBar, &QStatusBar::messageChanged, this, [this] {
        if (!m_showing)
            m_message.clear();
    });
}

void ReceiveReport::add(qint64 bytes, const QString &message)
{
    m_bytes += bytes;
    m_message = message;
}

void ReceiveReport::clear()
{
    m_bytes = 0;
}

void ReceiveReport::show()
{
    if (m_bytes > 0)
        addToCounter(m_counter, m_bytes);
    m_bytes = 0;
    if (m_message.isEmpty())
        return;
    m_showing = true;
    m_statusBar->showMessage(m_message);
    m_showing = false;
    m_message.clear();
}
