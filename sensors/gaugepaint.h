#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

// What the round environment gauges share when they paint.
namespace GaugePaint {

// A font of `family` at `pointSize` with no extra letter spacing.
inline QFont font(const QString &family, int pointSize, int weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Weight(weight));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    return font;
}

// Moves the painter to the middle of the widget (integer halves) and scales
// a logical square of 200 by 200 centred on 0,0 into it.
inline void toLogicalSquare(QPainter &painter, const QWidget &widget)
{
    painter.translate(widget.width() / 2, widget.height() / 2);
    const double side = qMin(widget.width(), widget.height());
    painter.scale(side / 200.0, side / 200.0);
}

// Stores `value` and returns true when it differs from `member`.
template <typename T> bool assignChanged(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace GaugePaint
