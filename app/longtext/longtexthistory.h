#pragma once

#include "longtext.h"

#include <QList>

// The edits of a long-text box, to undo and redo. Characters typed one
// after the other make one step, as do characters erased one after the
// other; any other edit (a line break, a paste however long, a cut) is a
// step of its own.
class LongTextHistory
{
public:
    enum class Kind {
        Typing,
        Erasing,
        Other,
    };

    struct Step
    {
        qsizetype position = 0;
        LongText::Pieces removed;
        LongText::Pieces inserted;
        Kind kind = Kind::Other;
        // Undone and redone together with the step before it.
        bool joinsPrevious = false;
    };

    void record(Step step);
    [[nodiscard]] bool canUndo() const { return !m_done.isEmpty(); }
    [[nodiscard]] bool canRedo() const { return !m_undone.isEmpty(); }
    // The steps to take back, the last first.
    [[nodiscard]] QList<Step> undo();
    // The steps to make again, the first first.
    [[nodiscard]] QList<Step> redo();
    void clear();

private:
    [[nodiscard]] bool merge(const Step &step);

    QList<Step> m_done;
    QList<Step> m_undone;
};
