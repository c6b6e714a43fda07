#pragma once

#include "tofsurfacemodel.h"

#include <QList>
#include <QPoint>
#include <QSurfaceDataArray>
#include <QWidget>

#include <memory>

class Q3DSurface;
class QLabel;
class QSurface3DSeries;

QT_BEGIN_NAMESPACE
namespace Ui {
class nuvelix_tof_surface;
}
QT_END_NAMESPACE

// The time-of-flight 3-D view: a surface over the 4 by 4 or 8 by 8 zone grid
// whose heights are the distances, coloured from dark green at 0 to dark red
// at 8000 mm. The graph, with its OpenGL context, is made when the view is
// first shown; where no OpenGL context can be made a plain text stands in.
class nuvelix_tof_surface : public QWidget
{
    Q_OBJECT

public:
    // An 8 by 8 surface at TofSurfaceModel::startHeight.
    explicit nuvelix_tof_surface(QWidget *parent = nullptr);
    ~nuvelix_tof_surface() override;

    // Rebuilds the grid, 4 by 4 for 0 and 8 by 8 for any other value, flat
    // at the start height, and a shown graph with the new axes.
    void changeArrangement(int arrangement);
    // Sets the heights as TofSurfaceModel does, then redraws.
    void updateMultipleDataPoints(const QList<QPoint> &points, const QList<double> &values);
    // Sets one height as it is, then redraws; a point outside the grid
    // changes nothing.
    void updateDataPoint(int row, int col, double value);
    // The master points become those of an n by n grid (TofSurfaceModel).
    void update_master_points(int n);

    [[nodiscard]] const QList<QPoint> &masterPoints() const { return model.masterPoints(); }
    [[nodiscard]] const TofSurfaceModel &surfaceModel() const { return model; }
    // The series with the surface's data; it lives as long as the view.
    [[nodiscard]] QSurface3DSeries *surfaceSeries() const { return series; }
    // Null until the view was shown, and where OpenGL is missing.
    [[nodiscard]] Q3DSurface *surfaceGraph() const { return graph; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void resetDataArray();
    void showHeights();
    void buildGraph();
    void releaseGraph();

    std::unique_ptr<Ui::nuvelix_tof_surface> ui;
    TofSurfaceModel model;
    QSurface3DSeries *series;
    // The rows the series' proxy owns; written in place and handed over again.
    QSurfaceDataArray *dataArray = nullptr;
    Q3DSurface *graph = nullptr;
    QWidget *container = nullptr;
    QLabel *placeholder = nullptr;
};
