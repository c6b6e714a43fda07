#pragma once

#include <QtGlobal>

// How fast a view takes what is written to it on this machine, and the batch
// a write should not pass to stay within a time budget. Sizes are in the
// caller's own unit (characters, line weights). A slower write counts at
// once, a faster one only a little: the document's own housekeeping makes
// some writes much slower than the rest, and those must fit the budget too.
// Writes too small to tell are not counted.
class WriteRate
{
public:
    WriteRate(qint64 budgetNs, qsizetype smallestMeasured, qsizetype smallestBatch,
              qsizetype firstBatch, qsizetype largestBatch);

    void measure(qsizetype size, qint64 elapsedNs);
    [[nodiscard]] qsizetype batch() const { return m_batch; }

private:
    qint64 m_budgetNs;
    qsizetype m_smallestMeasured;
    qsizetype m_smallestBatch;
    qsizetype m_largestBatch;
    double m_perNs = 0;
    qsizetype m_batch;
};
