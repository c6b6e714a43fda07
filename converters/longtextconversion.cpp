#include "longtextconversion.h"

#include "longtextbox.h"
#include "longtextfill.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

LongTextConversion::LongTextConversion(QList<QPushButton *> buttons, QObject *parent)
    : QObject(parent)
    , m_buttons(std::move(buttons))
{
    connect(&m_result, &QFutureWatcherBase::finished, this, &LongTextConversion::show);
}

void LongTextConversion::run(const QTextEdit *from, QTextEdit *to, Convert convert)
{
    QString text = LongTextBox::text(from);
    // A slice's worth converts and goes in within a turn of the event loop.
    if (text.size() <= LongTextFill::sliceLength) {
        LongTextBox::show(to, convert(text));
        return;
    }
    for (QPushButton *button : std::as_const(m_buttons))
        button->setEnabled(false);
    m_to = to;
    m_result.setFuture(QtConcurrent::run(
        [convert = std::move(convert), text = std::move(text)] { return convert(text); }));
}

void LongTextConversion::show()
{
    // The empty future that lets go of a result is finished too.
    if (!m_to)
        return;
    LongTextBox::show(std::exchange(m_to, nullptr), m_result.result());
    m_result.setFuture(QFuture<QString>());
    for (QPushButton *button : std::as_const(m_buttons))
        button->setEnabled(true);
}
