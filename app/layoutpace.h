#pragma once

#include <QObject>

class QTextBlock;
class QTextDocument;

// Lays a text box's document out in steps of bounded time, in place of the
// document layout's own background steps. Those run on the layout's 10 ms
// timer and double in size up to 200,000 characters, so that one step of a
// long CJK text held the window for 100 ms and more. Here each turn of that
// timer lays out whole blocks until `stepMs` have passed; LongLines keeps
// the blocks of a long text short, so a step runs over by a few
// milliseconds at most.
class LayoutPace : public QObject
{
public:
    static constexpr int stepMs = 20;

    // A child of `document`, watching its layout.
    explicit LayoutPace(QTextDocument *document);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The first block not laid out yet: where the layout goes on.
    [[nodiscard]] QTextBlock front();
    // One step; false when the layout did not move on, so that its own step
    // runs instead.
    bool step();

    QTextDocument *m_document;
    int m_front = 0;
};
