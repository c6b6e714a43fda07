#include "layoutpace.h"

#include <QAbstractEventDispatcher>
#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {
bool isLaidOut(const QTextBlock &block)
{
    return block.layout()->lineCount() > 0;
}

// The layout's background step has a timer of its own; its other timer, of
// 0 ms, reports the document's size and must run.
bool isStepTimer(QObject *layout, const QTimerEvent *event)
{
    const QList<QAbstractEventDispatcher::TimerInfo> timers =
        QAbstractEventDispatcher::instance()->registeredTimers(layout);
    return std::any_of(timers.cbegin(), timers.cend(), [event](const auto &timer) {
        return timer.timerId == event->timerId() && timer.interval > 0;
    });
}
} // namespace

LayoutPace::LayoutPace(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    document->documentLayout()->installEventFilter(this);
}

bool LayoutPace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Timer || watched != m_document->documentLayout() ||
        !isStepTimer(watched, static_cast<QTimerEvent *>(event)))
        return false;
    // While the layout is off (a text going in), its own step would still
    // lay out what is about to start over.
    return !m_document->isLayoutEnabled() || step();
}

QTextBlock LayoutPace::front()
{
    QTextBlock block = m_document->findBlockByNumber(m_front);
    // The layout starts over from the top when the whole document changed.
    if (!block.isValid() || (block.previous().isValid() && !isLaidOut(block.previous())))
        block = m_document->begin();
    while (block.isValid() && isLaidOut(block))
        block = block.next();
    return block;
}

bool LayoutPace::step()
{
    QElapsedTimer clock;
    clock.start();
    QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    QTextBlock block = front();
    if (!block.isValid())
        return false;
    for (; block.isValid(); block = block.next()) {
        // Lays the document out from where its layout stood to the end of
        // this block at least, a block or two further at most.
        (void)layout->blockBoundingRect(block);
        if (!isLaidOut(block))
            return false;
        m_front = block.blockNumber() + 1;
        if (clock.elapsed() >= stepMs)
            break;
    }
    return true;
}
