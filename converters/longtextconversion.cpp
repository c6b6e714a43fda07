#include "longtextconversion.h"

#include "longlines.h"
#include "longtextbox.h"
#include "longtextfill.h"

#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {
// A result goes to its box in parts of 32 MB, which the allocator gives
// memory of their own: each goes back to the system once the box has it,
// where smaller ones might stay with the worker thread's heap.
constexpr qsizetype partLength = qsizetype(16) << 20;
} // namespace

LongTextConversion::LongTextConversion(QList<QPushButton *> buttons, QObject *parent)
    : QObject(parent)
    , m_buttons(std::move(buttons))
{
    connect(&m_room, &QFutureWatcherBase::finished, this, &LongTextConversion::read);
    connect(&m_result, &QFutureWatcherBase::finished, this, &LongTextConversion::show);
}

void LongTextConversion::run(const QTextEdit *from, QTextEdit *to, Convert convert)
{
    const qsizetype length = from->document()->characterCount();
    // A slice's worth converts and goes in within a turn of the event loop.
    if (length <= LongTextFill::sliceLength) {
        LongTextBox::show(to, {convert(LongTextBox::text(from))});
        return;
    }
    setButtonsEnabled(false);
    m_from = from;
    m_to = to;
    m_convert = std::move(convert);
    // Fresh memory of many megabytes takes longer to touch the first time
    // than to copy the text into: a worker thread touches it first, and the
    // window then only copies the box's text into it.
    m_room.setFuture(QtConcurrent::run([length] {
        QString room(length, QChar());
        room.truncate(0);
        return room;
    }));
}

void LongTextConversion::read()
{
    QString text = LongTextBox::text(m_from, m_room.future().takeResult());
    m_result.setFuture(
        QtConcurrent::run([convert = std::move(m_convert), text = std::move(text)]() mutable {
            return LongLines::parts(convert(std::move(text)), partLength);
        }));
}

void LongTextConversion::show()
{
    LongTextBox::show(std::exchange(m_to, nullptr), m_result.future().takeResult());
    setButtonsEnabled(true);
}

void LongTextConversion::setButtonsEnabled(bool enabled)
{
    for (QPushButton *button : std::as_const(m_buttons))
        button->setEnabled(enabled);
}
