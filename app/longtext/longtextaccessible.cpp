#include "longtextaccessible.h"

#include "longtextedit.h"

namespace {
// A box's whole text is its value only while it is this short.
constexpr int valueLength = 1 << 16;

} // namespace

LongTextAccessible::LongTextAccessible(LongTextEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QAccessibleInterface *LongTextAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("LongTextEdit"))
        return new LongTextAccessible(static_cast<LongTextEdit *>(object));
    return nullptr;
}

LongTextEdit *LongTextAccessible::edit() const
{
    return static_cast<LongTextEdit *>(widget());
}

int LongTextAccessible::textOffset(int given) const
{
    return given == -1 ? characterCount() : given;
}

void *LongTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface && !edit()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LongTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    return state;
}

QString LongTextAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value && edit()->length() <= valueLength)
        return edit()->textBetween(0, edit()->length());
    return QAccessibleWidget::text(type);
}

void LongTextAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    *startOffset = int(qMin(edit()->cursorPosition(), edit()->anchorPosition()));
    *endOffset = int(qMax(edit()->cursorPosition(), edit()->anchorPosition()));
}

int LongTextAccessible::selectionCount() const
{
    return edit()->cursorPosition() != edit()->anchorPosition() ? 1 : 0;
}

void LongTextAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LongTextAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->setCursorPosition(edit()->cursorPosition());
}

void LongTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    // The anchor and the cursor as given: a selection may run backwards.
    edit()->setCursorPosition(textOffset(startOffset));
    edit()->setCursorPosition(textOffset(endOffset), true);
}

int LongTextAccessible::cursorPosition() const
{
    return int(edit()->cursorPosition());
}

void LongTextAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LongTextAccessible::text(int startOffset, int endOffset) const
{
    return edit()->textBetween(textOffset(startOffset), textOffset(endOffset));
}

std::pair<int, int> LongTextAccessible::unitAt(int offset, QAccessible::TextBoundaryType type) const
{
    const int count = characterCount();
    offset = qBound(0, offset, count);
    switch (type) {
    case QAccessible::CharBoundary:
        return {offset, qMin(count, offset + 1)};
    case QAccessible::LineBoundary: {
        const auto [from, to] = edit()->rowAround(offset);
        return {int(from), int(to)};
    }
    case QAccessible::ParagraphBoundary: {
        const auto [from, to] = edit()->lineAround(offset);
        return {int(from), int(qMin<qsizetype>(count, to + 1))};
    }
    case QAccessible::NoBoundary:
        return {0, count};
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary:
        break;
    }
    const auto [from, to] = edit()->unitAround(offset, type == QAccessible::SentenceBoundary
                                                           ? QTextBoundaryFinder::Sentence
                                                           : QTextBoundaryFinder::Word);
    return {int(from), int(to)};
}

QString LongTextAccessible::textOf(std::pair<int, int> unit, int *startOffset, int *endOffset) const
{
    *startOffset = unit.first;
    *endOffset = unit.second;
    return text(unit.first, unit.second);
}

QString LongTextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    const int start = unitAt(offset, boundaryType).first;
    if (start <= 0)
        return textOf({0, 0}, startOffset, endOffset);
    return textOf(unitAt(start - 1, boundaryType), startOffset, endOffset);
}

QString LongTextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    const int end = unitAt(offset, boundaryType).second;
    if (end >= characterCount())
        return textOf({end, end}, startOffset, endOffset);
    return textOf(unitAt(end, boundaryType), startOffset, endOffset);
}

QString LongTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return textOf(unitAt(offset, boundaryType), startOffset, endOffset);
}

int LongTextAccessible::characterCount() const
{
    return int(edit()->length());
}

QRect LongTextAccessible::characterRect(int offset) const
{
    offset = textOffset(offset);
    if (offset < 0 || offset > characterCount())
        return {};
    const QRect at = edit()->positionRect(offset);
    if (at.isNull())
        return {};
    QRect rect = at;
    if (offset < characterCount()) {
        const QRect next = edit()->positionRect(offset + 1);
        if (next.top() == at.top() && next.left() > at.left())
            rect.setRight(next.left() - 1);
    }
    return QRect(edit()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int LongTextAccessible::offsetAtPoint(const QPoint &point) const
{
    return int(edit()->positionAt(edit()->viewport()->mapFromGlobal(point)));
}

void LongTextAccessible::scrollToSubstring(int startIndex, int)
{
    edit()->setCursorPosition(textOffset(startIndex));
}

QString LongTextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = qBound(0, textOffset(offset), characterCount());
    return {};
}

void LongTextAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

// A position, not a range: one out of the text, -1 among them, is bounded.
void LongTextAccessible::insertText(int offset, const QString &text)
{
    edit()->replaceText(offset, offset, text);
}

void LongTextAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->replaceText(textOffset(startOffset), textOffset(endOffset), text);
}
