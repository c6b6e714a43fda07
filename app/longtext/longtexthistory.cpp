#include "longtexthistory.h"

namespace {
// `before` followed by `after`, the piece where they meet made one.
LongText::Pieces joined(LongText::Pieces before, const LongText::Pieces &after)
{
    before.last() += after.constFirst();
    before.append(after.mid(1));
    return before;
}
} // namespace

void LongTextHistory::record(Step step)
{
    m_undone.clear();
    if (!merge(step))
        m_done.append(std::move(step));
}

bool LongTextHistory::merge(const Step &step)
{
    if (m_done.isEmpty() || step.joinsPrevious || step.kind != m_done.constLast().kind)
        return false;
    Step &last = m_done.last();
    const qsizetype removed = LongText::length(step.removed);
    const qsizetype inserted = LongText::length(step.inserted);
    switch (step.kind) {
    case Kind::Typing:
        if (removed != 0 || last.position + LongText::length(last.inserted) != step.position)
            return false;
        last.inserted = joined(last.inserted, step.inserted);
        return true;
    case Kind::Erasing:
        if (inserted != 0 || LongText::length(last.inserted) != 0)
            return false;
        if (step.position + removed == last.position) {
            last.removed = joined(step.removed, last.removed);
            last.position = step.position;
            return true;
        }
        if (step.position == last.position) {
            last.removed = joined(last.removed, step.removed);
            return true;
        }
        return false;
    case Kind::Other:
        break;
    }
    return false;
}

QList<LongTextHistory::Step> LongTextHistory::undo()
{
    QList<Step> steps;
    while (!m_done.isEmpty()) {
        steps.append(m_done.takeLast());
        m_undone.append(steps.constLast());
        if (!steps.constLast().joinsPrevious)
            break;
    }
    return steps;
}

QList<LongTextHistory::Step> LongTextHistory::redo()
{
    QList<Step> steps;
    while (!m_undone.isEmpty() && (steps.isEmpty() || m_undone.constLast().joinsPrevious)) {
        steps.append(m_undone.takeLast());
        m_done.append(steps.constLast());
    }
    return steps;
}

void LongTextHistory::clear()
{
    m_done.clear();
    m_undone.clear();
}
