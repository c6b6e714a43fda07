#include "longtextmimedata.h"

#include "workerpool.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {
const QString plainText = QStringLiteral("text/plain");
// Texts this long are turned into UTF-8 ahead of an ask.
constexpr qsizetype preparedLength = 1 << 20;
} // namespace

LongTextMimeData::LongTextMimeData(LongText::Pieces pieces)
    : m_pieces(std::move(pieces))
{}

void LongTextMimeData::prepareForOthers()
{
    if (LongText::length(m_pieces) < preparedLength)
        return;
    m_prepared = QtConcurrent::run(WorkerPool::instance(), [pieces = m_pieces] {
        Prepared prepared{LongText::join(pieces), {}};
        prepared.utf8 = prepared.text.toUtf8();
        return prepared;
    });
}

QStringList LongTextMimeData::formats() const
{
    return {plainText};
}

bool LongTextMimeData::hasFormat(const QString &mimeType) const
{
    return mimeType == plainText;
}

QVariant LongTextMimeData::retrieveData(const QString &mimeType, QMetaType type) const
{
    if (mimeType != plainText)
        return QMimeData::retrieveData(mimeType, type);
    if (m_prepared.isValid()) {
        const Prepared prepared = m_prepared.result();
        if (type.id() == QMetaType::QByteArray)
            return prepared.utf8;
        return prepared.text;
    }
    if (!m_joined) {
        m_text = LongText::join(m_pieces);
        m_joined = true;
    }
    return m_text;
}
