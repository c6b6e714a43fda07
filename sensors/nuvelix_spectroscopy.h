#pragma once

#include <QWidget>

#include <memory>

class QStackedWidget;
class nuvelix_spectroscopy_Squarediagram;
class nuvelix_spectroscopy_spline;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_spectroscopy;
}
QT_END_NAMESPACE

// The Spectra tab's display: four pages, the bar charts of the AS7341 (0),
// AS7343 (1) and AS7265X (2) and the AS7265X's spectrum curve (3).
class nuvelix_spectroscopy : public QWidget
{
    Q_OBJECT

public:
    explicit nuvelix_spectroscopy(QWidget *parent = nullptr);
    ~nuvelix_spectroscopy() override;

    // Shows page `page`.
    void change(int page);

public Q_SLOTS:
    // Puts a channel value where SpectraRoute sends it for the sensor type
    // and chart mode (0 bars, 1 curve); elsewhere it is dropped.
    void update_data_barset(quint8 index, double value, quint8 type, quint8 mode);

private:
    std::unique_ptr<Ui::nuvelix_spectroscopy> ui;
    nuvelix_spectroscopy_Squarediagram *barsAS7341;
    nuvelix_spectroscopy_Squarediagram *barsAS7343;
    nuvelix_spectroscopy_Squarediagram *barsAS7265X;
    nuvelix_spectroscopy_spline *spectrumCurve;
    QStackedWidget *stackedWidget;
};
