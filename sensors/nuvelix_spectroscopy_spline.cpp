#include "nuvelix_spectroscopy_spline.h"

#include <QPainter>

nuvelix_spectroscopy_spline::nuvelix_spectroscopy_spline(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void nuvelix_spectroscopy_spline::update_data_barset(quint8 index, double value)
{
    if (m_curve.setValue(index, value))
        update();
}

bool nuvelix_spectroscopy_spline::setSpectrumData(const QList<double> &values)
{
    const bool taken = m_curve.setValues(values);
    if (taken)
        update();
    return taken;
}

// The values always pair up with the wavelengths, so setSpectrumData takes
// only a list of the old length too.
bool nuvelix_spectroscopy_spline::updateSpectrumData(const QList<double> &values)
{
    return setSpectrumData(values);
}

bool nuvelix_spectroscopy_spline::setWavelengths(const QList<double> &wavelengths)
{
    const bool taken = m_curve.setWavelengths(wavelengths);
    if (taken)
        update();
    return taken;
}

// The grid with its value and wavelength labels, then the filled area under
// the curve, not outlined.
void nuvelix_spectroscopy_spline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QList<double> &wavelengths = m_curve.wavelengths();
    const QRect plot = SpectrumCurve::plotArea(size());
    const int left = plot.left();
    const int right = left + plot.width();
    const int top = plot.top();
    const int baseline = top + plot.height();

    painter.setPen(QColor(0x75, 0x75, 0x75));
    for (int i = 0; i <= 10; ++i) {
        const int y = plot.height() * i / 10 + top;
        painter.drawLine(left, y, right, y);
        painter.drawText(10, y + 5, QString::number(1.0 - 0.1 * i, 'g', 6));
    }
    const int last = int(wavelengths.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const int x = i * plot.width() / last + left;
        painter.drawLine(x, top, x, baseline);
        painter.drawText(x - 15, baseline + 15, QString::number(qint64(wavelengths.at(i))));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_curve.fillGradient(size()));
    painter.drawPath(m_curve.fillPath(size()));
}
