#pragma once

#include <QWidget>

#include <memory>

class QStackedWidget;
class nuvelix_tof_data;
class nuvelix_tof_surface;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_tof;
}
QT_END_NAMESPACE

// The TOF tab's display: the zone grid (page 0) and the 3-D surface (page 1).
class nuvelix_tof : public QWidget
{
    Q_OBJECT

public:
    explicit nuvelix_tof(QWidget *parent = nullptr);
    ~nuvelix_tof() override;

    // Shows page `page`.
    void change(int page);

    [[nodiscard]] nuvelix_tof_data *grid() const { return tofData; }
    [[nodiscard]] nuvelix_tof_surface *surface() const { return tofSurface; }

public Q_SLOTS:
    // Takes nothing: the views are fed through grid() and surface().
    void update_data_barset(quint8 index, double value);

private:
    std::unique_ptr<Ui::nuvelix_tof> ui;
    QStackedWidget *stackedWidget;
    nuvelix_tof_surface *tofSurface;
    nuvelix_tof_data *tofData;
};
