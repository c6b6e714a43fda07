#include "i2cregistercell.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <utility>

namespace {
// Two hex digits make 256 texts; anything else set on a cell must not make
// the cache grow for good.
constexpr qsizetype textLimit = 256;
} // namespace

I2cRegisterCell::I2cRegisterCell(const QString &text, std::shared_ptr<Texts> texts, QWidget *parent)
    : QLabel(text, parent)
    , m_texts(std::move(texts))
{}

const QStaticText &I2cRegisterCell::laidOut()
{
    auto found = m_texts->find(text());
    if (found == m_texts->end()) {
        if (m_texts->size() >= textLimit)
            m_texts->clear();
        QStaticText staticText(text());
        staticText.setTextFormat(Qt::PlainText);
        staticText.prepare(QTransform(), font());
        found = m_texts->insert(text(), staticText);
    }
    return *found;
}

// The cells share their font: texts laid out in the one before are no use.
void I2cRegisterCell::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_texts->clear();
}

// Where a label puts centred text: the line's height and natural width
// centred in the cell, unrounded. The background is the label's own
// (autoFillBackground).
void I2cRegisterCell::paintEvent(QPaintEvent *)
{
    const QStaticText &staticText = laidOut();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF area = contentsRect();
    painter.drawStaticText(QPointF(area.x() + (area.width() - staticText.size().width()) / 2,
                                   area.y() + (area.height() - QFontMetricsF(font()).height()) / 2),
                           staticText);
}
