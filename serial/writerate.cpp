#include "writerate.h"

WriteRate::WriteRate(qint64 budgetNs, qsizetype smallestMeasured, qsizetype smallestBatch,
                     qsizetype firstBatch, qsizetype largestBatch)
    : m_budgetNs(budgetNs)
    , m_smallestMeasured(smallestMeasured)
    , m_smallestBatch(smallestBatch)
    , m_largestBatch(largestBatch)
    , m_batch(firstBatch)
{}

void WriteRate::measure(qsizetype size, qint64 elapsedNs)
{
    if (size < m_smallestMeasured || elapsedNs <= 0)
        return;
    const double measured = double(size) / double(elapsedNs);
    m_perNs = m_perNs > 0 && measured > m_perNs ? 0.9 * m_perNs + 0.1 * measured : measured;
    m_batch = qBound(m_smallestBatch, qsizetype(m_perNs * double(m_budgetNs)), m_largestBatch);
}
