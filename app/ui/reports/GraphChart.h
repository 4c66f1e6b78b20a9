#pragma once
// The analysis graph drawn with Qt Charts: the chart itself, the chart window
// that shows it on the screen, and the drawing of it on any painter (the
// printed page).

#include "ui/reports/ReportWindow.h"

#include <QMainWindow>

#include <functional>

class QChart;
class QChartView;
class QPainter;
class QRectF;
class QValueAxis;
class QLineSeries;

namespace tavrel::reports {
struct GraphData;
}

namespace tavrel::ui {

// A new chart (the caller owns it): the title, the combined tax against the
// amount deferred as one line, and the axes with the graph's bounds.
QChart* makeGraphChart(const reports::GraphData& graph);

// The chart's axes and its one line.
QValueAxis* graphXAxis(const QChart& chart);
QValueAxis* graphYAxis(const QChart& chart);
QLineSeries* graphSeries(const QChart& chart);

// Draws the chart into the rectangle, laid out as on a window of the same shape.
void paintGraph(QPainter& painter, const QRectF& target, const reports::GraphData& graph);

// The chart window, with the report windows' toolbar: "print" calls `onPrint`
// (the owner prints the reports; it must handle its own errors), "exit" closes
// the window. One window serves every run: showing a new graph replaces the
// one before. It deletes itself when closed.
class ChartWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit ChartWindow(std::function<void()> onPrint = {}, QWidget* parent = nullptr);
    void setGraph(const reports::GraphData& graph);
    // No curve: an empty chart whose title says why.
    void setNoGraph(const QString& why);
    QChart* chart() const;
    QChartView* view() const { return view_; }
    QToolButton* printButton() const { return print_; }
    QToolButton* exitButton() const { return exit_; }
    // Centred on the screen unless set.
    void setPlacement(Placement place) { place_ = std::move(place); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QChartView* view_;
    QToolButton* print_;
    QToolButton* exit_;
    Placement place_;
    bool placed_ = false;
};

}  // namespace tavrel::ui
