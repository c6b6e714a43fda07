#include "longtextconversion.h"

#include "longtextedit.h"
#include "workerpool.h"

#include <QLocale>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {
// A text this long converts within a turn of the event loop.
constexpr qsizetype convertedOnTheSpot = 1 << 20;
} // namespace

LongTextConversion::LongTextConversion(LongTextEdit *from, LongTextEdit *to,
                                       QList<QPushButton *> buttons, QObject *parent)
    : QObject(parent)
    , m_from(from)
    , m_to(to)
    , m_buttons(std::move(buttons))
{
    connect(&m_result, &QFutureWatcherBase::finished, this, [this] {
        m_converting = false;
        show(m_result.future().takeResult());
        updateButtons();
    });
    connect(from, &LongTextEdit::busyChanged, this, &LongTextConversion::updateButtons);
}

void LongTextConversion::run(Convert convert, Longest longest)
{
    if (!m_from || m_from->isBusy() || m_converting)
        return;
    const LongText::Pieces input = m_from->content();
    auto work = [input, convert = std::move(convert), longest = std::move(longest)] {
        QString text = LongText::join(input);
        const qsizetype length = longest(text);
        if (length > LongText::maximumLength)
            return Result{{}, length};
        return Result{std::make_shared<LongText>(LongText::cut(convert(std::move(text)))), -1};
    };
    if (LongText::length(input) <= convertedOnTheSpot) {
        show(work());
        return;
    }
    m_converting = true;
    updateButtons();
    m_result.setFuture(QtConcurrent::run(WorkerPool::instance(), std::move(work)));
}

void LongTextConversion::show(const Result &result)
{
    if (!m_to)
        return;
    if (result.refused < 0) {
        m_to->setContent(std::move(*result.text));
        return;
    }
    const QLocale locale;
    m_to->clear();
    m_to->showNotice(
        tr("Not converted: the result would be %1 characters long, more than the %2 "
           "a box holds.")
            .arg(locale.toString(result.refused), locale.toString(LongText::maximumLength)));
}

void LongTextConversion::updateButtons()
{
    const bool enabled = !m_converting && m_from && !m_from->isBusy();
    for (QPushButton *button : std::as_const(m_buttons))
        button->setEnabled(enabled);
}
