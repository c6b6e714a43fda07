#include "longtextconversion.h"

#include "longtextedit.h"

#include <QLocale>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {
// A text this long converts within a turn of the event loop.
constexpr qsizetype convertedOnTheSpot = 1 << 20;
} // namespace

LongTextConversion::LongTextConversion(QList<QPushButton *> buttons, QObject *parent)
    : QObject(parent)
    , m_buttons(std::move(buttons))
{
    connect(&m_result, &QFutureWatcherBase::finished, this, [this] {
        if (m_to)
            show(m_to, m_result.future().takeResult());
        setButtonsEnabled(true);
    });
}

void LongTextConversion::run(LongTextEdit *from, LongTextEdit *to, Convert convert, Longest longest)
{
    const LongText::Pieces input = from->content();
    auto work = [input, convert = std::move(convert), longest = std::move(longest)] {
        QString text = LongText::join(input);
        const qsizetype length = longest(text);
        if (length > LongText::maximumLength)
            return Result{{}, length};
        return Result{LongText::cut(convert(std::move(text))), -1};
    };
    if (LongText::length(input) <= convertedOnTheSpot) {
        show(to, work());
        return;
    }
    setButtonsEnabled(false);
    m_to = to;
    m_result.setFuture(QtConcurrent::run(std::move(work)));
}

void LongTextConversion::show(LongTextEdit *to, const Result &result)
{
    if (result.refused < 0) {
        to->setContent(result.pieces);
        return;
    }
    const QLocale locale;
    to->clear();
    to->showNotice(
        tr("Not converted: the result would be %1 characters long, more than the %2 "
           "a box holds.")
            .arg(locale.toString(result.refused), locale.toString(LongText::maximumLength)));
}

void LongTextConversion::setButtonsEnabled(bool enabled)
{
    for (QPushButton *button : std::as_const(m_buttons))
        button->setEnabled(enabled);
}
