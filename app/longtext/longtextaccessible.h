#pragma once

#include <QAccessibleWidget>

class LongTextEdit;

// What assistive technologies read and edit of a long-text box: its text by
// positions, its cursor and selection, its rows on screen. Its whole text is
// handed out only when asked for by range, never with every change.
class LongTextAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LongTextAccessible(LongTextEdit *edit);

    // The factory to install: an interface for each LongTextEdit.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int *startOffset, int *endOffset) const override;
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int *startOffset, int *endOffset) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int *startOffset, int *endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    [[nodiscard]] LongTextEdit *edit() const;
    // An offset as given to a call that takes a range or reads around a
    // place (text, delete, replace, selections, attributes, bounds): -1
    // stands for the text's end, as AT-SPI has it and the toolkit's bridge
    // passes it on, a cut or a copy reading and deleting the range given.
    // The box orders and bounds the rest.
    [[nodiscard]] int textOffset(int given) const;
    // The span of the unit of `type` that holds `offset`.
    [[nodiscard]] std::pair<int, int> unitAt(int offset, QAccessible::TextBoundaryType type) const;
    [[nodiscard]] QString textOf(std::pair<int, int> unit, int *startOffset, int *endOffset) const;
};
