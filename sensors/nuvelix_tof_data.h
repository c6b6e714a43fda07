#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QWidget>

#include <memory>

class TofZoneLabel;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_tof_data;
}
QT_END_NAMESPACE

// The time-of-flight grid: a label per zone, 4 by 4 or 8 by 8, showing its
// distance in millimetres in white on the distance's colour (TofZoneLabel).
class nuvelix_tof_data : public QWidget
{
    Q_OBJECT

public:
    // A 4 by 4 grid of zeros.
    explicit nuvelix_tof_data(QWidget *parent = nullptr);
    ~nuvelix_tof_data() override;

    // Rebuilds the grid, 4 by 4 for 0 and 8 by 8 for any other value, all 0.
    void changeArrangement(int arrangement);
    // Shows the distance of label `index` (row-major); an index without a
    // label changes nothing.
    void updateLabelValues(int index, int value);

    // A distance's colour (TofColours), a text read as a decimal distance
    // (0 when it is none) and the labels' font: helpers of the labels.
    [[nodiscard]] static QColor calculateColor(int value);
    [[nodiscard]] static int calculateValue(const QString &text);
    [[nodiscard]] static QFont set_label_font();

private:
    std::unique_ptr<Ui::nuvelix_tof_data> ui;
    QList<TofZoneLabel *> zoneLabels;
};
