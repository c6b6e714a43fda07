#pragma once

#include "spectrumcurve.h"

#include <QList>
#include <QWidget>

// The spectrum curve page: a smooth curve through 19 wavelengths from 380 to
// 940 nm over a value grid of 0 to 1, the area under it filled with the
// colours of the spectrum.
class nuvelix_spectroscopy_spline : public QWidget
{
    Q_OBJECT

public:
    explicit nuvelix_spectroscopy_spline(QWidget *parent = nullptr);

    // Sets the value of point `index` (channel 0 is point 1, 410 nm); an
    // index without a point changes nothing.
    void update_data_barset(quint8 index, double value);
    // Replace all values or all wavelengths; a list of another length than
    // the curve's points is refused (false).
    bool setSpectrumData(const QList<double> &values);
    bool setWavelengths(const QList<double> &wavelengths);
    // Replaces the values with a list of the same length as the old one.
    bool updateSpectrumData(const QList<double> &values);

    [[nodiscard]] const SpectrumCurve &curve() const { return m_curve; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SpectrumCurve m_curve;
};
