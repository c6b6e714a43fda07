#include "nuvelix_tof_surface.h"
#include "ui_nuvelix_tof_surface.h"

#include "openglcheck.h"

#include <Q3DCamera>
#include <Q3DScene>
#include <Q3DSurface>
#include <Q3DTheme>
#include <QLabel>
#include <QLinearGradient>
#include <QSurface3DSeries>
#include <QValue3DAxis>

nuvelix_tof_surface::nuvelix_tof_surface(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::nuvelix_tof_surface>())
    , series(new QSurface3DSeries(this))
{
    ui->setupUi(this);
    resetDataArray();

    series->setDrawMode(QSurface3DSeries::DrawSurface);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setColorAt(0.0, Qt::darkGreen);
    gradient.setColorAt(0.5, Qt::yellow);
    gradient.setColorAt(0.8, Qt::red);
    gradient.setColorAt(1.0, Qt::darkRed);
    series->setBaseGradient(gradient);
    // The colour follows the height across the whole Y range.
    series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
    series->setFlatShadingEnabled(false);
    series->setItemLabelVisible(false);
    series->setItemLabelFormat(QString());
    setAutoFillBackground(true);
}

nuvelix_tof_surface::~nuvelix_tof_surface() = default;

void nuvelix_tof_surface::changeArrangement(int arrangement)
{
    model.setArrangement(arrangement);
    resetDataArray();
    if (graph) {
        releaseGraph();
        buildGraph();
    }
}

void nuvelix_tof_surface::updateMultipleDataPoints(const QList<QPoint> &points,
                                                   const QList<double> &values)
{
    if (model.updateMultipleDataPoints(points, values))
        showHeights();
}

void nuvelix_tof_surface::updateDataPoint(int row, int col, double value)
{
    if (model.updateDataPoint(row, col, value))
        showHeights();
}

void nuvelix_tof_surface::update_master_points(int n)
{
    model.updateMasterPoints(n);
}

void nuvelix_tof_surface::showHeights()
{
    const int side = model.size();
    for (int b = 0; b < side; ++b) {
        QSurfaceDataRow &row = *(*dataArray)[b];
        for (int a = 0; a < side; ++a)
            row[a].setPosition(QVector3D(float(a), float(model.height(b, a)), float(b)));
    }
    // The same array again: the proxy takes it as changed data.
    series->dataProxy()->resetArray(dataArray);
}

void nuvelix_tof_surface::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (graph || placeholder)
        return;
    if (openGlAvailable()) {
        buildGraph();
        return;
    }
    placeholder =
        new QLabel(tr("The 3D view needs OpenGL, which this display does not offer."), this);
    placeholder->setTextFormat(Qt::PlainText);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setWordWrap(true);
    ui->gridLayout_3dsurface->addWidget(placeholder);
}

// Row b holds the items (a, height, b); a fresh array each time, so the
// proxy frees the one it held with all its rows.
void nuvelix_tof_surface::resetDataArray()
{
    const int side = model.size();
    auto *array = new QSurfaceDataArray;
    array->reserve(side);
    for (int b = 0; b < side; ++b) {
        auto *row = new QSurfaceDataRow(side);
        for (int a = 0; a < side; ++a)
            (*row)[a].setPosition(QVector3D(float(a), float(model.height(b, a)), float(b)));
        array->append(row);
    }
    dataArray = array;
    series->dataProxy()->resetArray(dataArray);
}

// Axes of the grid's size with no labels, the series, and a camera that looks
// down at 45 degrees from the side.
void nuvelix_tof_surface::buildGraph()
{
    graph = new Q3DSurface;
    graph->axisX()->setTitle(QStringLiteral("X轴"));
    graph->axisY()->setTitle(QStringLiteral("Y轴"));
    graph->axisZ()->setTitle(QStringLiteral("Z轴"));
    const float last = float(model.size() - 1);
    graph->axisY()->setRange(0, float(TofSurfaceModel::topHeight));
    graph->axisX()->setRange(0, last);
    graph->axisZ()->setRange(0, last);
    graph->addSeries(series);
    graph->activeTheme()->setLabelBackgroundEnabled(false);
    for (QValue3DAxis *axis : {graph->axisX(), graph->axisY(), graph->axisZ()})
        axis->setLabelFormat(QString());

    container = QWidget::createWindowContainer(graph, this);
    ui->gridLayout_3dsurface->addWidget(container);
    graph->scene()->activeCamera()->setCameraPosition(-90, 45);
    graph->scene()->activeCamera()->setZoomLevel(100);
}

// The series goes back to this view; the graph goes before its container,
// which would otherwise take it along.
void nuvelix_tof_surface::releaseGraph()
{
    graph->removeSeries(series);
    series->setParent(this);
    delete graph;
    graph = nullptr;
    delete container;
    container = nullptr;
}
