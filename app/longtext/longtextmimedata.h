#pragma once

#include "longtext.h"

#include <QFuture>
#include <QMimeData>

// A long-text box's text on the clipboard or in a drag: the box's pieces,
// joined into one text only when something asks for it, so that a copy of
// megabytes costs nothing until it is pasted. A box that pastes it takes
// the pieces as they are.
class LongTextMimeData : public QMimeData
{
    Q_OBJECT

public:
    explicit LongTextMimeData(LongText::Pieces pieces);

    [[nodiscard]] const LongText::Pieces &pieces() const { return m_pieces; }
    // Starts joining a long text, and turning it into the UTF-8 that other
    // programs ask for, on a worker thread, so that the window need not
    // when they ask: the toolkit serves a drag, or the clipboard where the
    // boxes have no selection owner of their own, on the window's thread.
    void prepareForOthers();
    [[nodiscard]] QStringList formats() const override;
    [[nodiscard]] bool hasFormat(const QString &mimeType) const override;

protected:
    [[nodiscard]] QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    LongText::Pieces m_pieces;
    struct Prepared
    {
        QString text;
        QByteArray utf8;
    };

    mutable QString m_text;
    mutable bool m_joined = false;
    QFuture<Prepared> m_prepared;
};
