#include "ui/reports/GraphChart.h"

#include "reports/GraphHelper.h"
#include "ui/reports/WindowPlacement.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace tavrel::ui {
namespace {

// The size the chart is laid out at before it is scaled onto a page: the
// shape and the text size of the window's chart.
constexpr double kLayoutWidth = 900;

QValueAxis* axisOf(const QChart& chart, Qt::Orientation o) {
    const auto axes = chart.axes(o);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

}  // namespace

QChart* makeGraphChart(const reports::GraphData& g) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(g.title));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Combined Tax"));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(g.points.size()));
    for (const auto& p : g.points) points.append(QPointF(p.x.toDouble(), p.y.toDouble()));
    series->replace(points);
    chart->addSeries(series);

    auto* x = new QValueAxis;
    x->setRange(g.xMin, g.xMax);
    x->setMinorTickCount(g.xMinorDivisions - 1);
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTitleText(QStringLiteral("Amount Deferred"));
    auto* y = new QValueAxis;
    y->setRange(g.yMin, g.yMax);
    y->setTickCount(g.yMajorDivisions + 1);
    y->setMinorTickCount(g.yMinorDivisions - 1);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("Combined Tax"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

QValueAxis* graphXAxis(const QChart& chart) { return axisOf(chart, Qt::Horizontal); }
QValueAxis* graphYAxis(const QChart& chart) { return axisOf(chart, Qt::Vertical); }

QLineSeries* graphSeries(const QChart& chart) {
    const auto series = chart.series();
    return series.isEmpty() ? nullptr : qobject_cast<QLineSeries*>(series.first());
}

void paintGraph(QPainter& painter, const QRectF& target, const reports::GraphData& graph) {
    if (target.width() <= 0 || target.height() <= 0) return;
    QGraphicsScene scene;
    QChart* chart = makeGraphChart(graph);
    scene.addItem(chart);  // the scene owns the chart
    const QRectF layout(0, 0, kLayoutWidth, kLayoutWidth * target.height() / target.width());
    chart->setGeometry(layout);
    if (QGraphicsLayout* l = chart->layout()) l->activate();
    scene.setSceneRect(layout);
    scene.render(&painter, target, layout, Qt::KeepAspectRatio);
}

ChartWindow::ChartWindow(std::function<void()> onPrint, QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmChart");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Analysis Graph"));
    view_ = new QChartView(this);
    view_->setObjectName("chtGraph");
    view_->setRenderHint(QPainter::Antialiasing);
    setCentralWidget(view_);
    const ReportButtons buttons = addReportToolBar(*this, std::move(onPrint));
    print_ = buttons.print;
    exit_ = buttons.exit;
    resize(800, 500);
}

void ChartWindow::setGraph(const reports::GraphData& graph) {
    QChart* old = view_->chart();
    view_->setChart(makeGraphChart(graph));  // the view owns the new chart
    delete old;
}

void ChartWindow::setNoGraph(const QString& why) {
    QChart* old = view_->chart();
    auto* empty = new QChart;
    empty->setTitle(why);
    empty->legend()->hide();
    view_->setChart(empty);
    delete old;
}

QChart* ChartWindow::chart() const { return view_->chart(); }

void ChartWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    if (place_)
        place_(*this);
    else
        centreOnScreen(*this);
}

}  // namespace tavrel::ui
