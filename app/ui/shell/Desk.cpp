#include "ui/shell/Desk.h"

#include "ui/reports/GraphChart.h"

#include "base/YearText.h"
#include "reports/GraphHelper.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavrel::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The table's rows: each year's taxes, then the present values.
enum Row { Regular, Amt, Total, PresentValueSecond, PresentValueBoth, kRows };

}  // namespace

QString amountText(Currency amount) { return QString::fromStdString(amount.toPatternText()); }

Desk::Desk(QWidget* parent) : QWidget(parent) {
    setObjectName("deskMain");
    household_ = new QLabel(this);
    household_->setObjectName("lblDeskHousehold");
    sentence_ = new QLabel(this);
    sentence_->setObjectName("lblDeskAnswer");
    sentence_->setWordWrap(true);
    QFont big = sentence_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    sentence_->setFont(big);

    table_ = new QTableWidget(kRows, 4, this);
    table_->setObjectName("tblDeskTaxes");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    showYears(mirvane::kCurrentTaxYear);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    // As tall as its rows, no more: the curve takes the rest.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    curve_ = new QChartView(this);
    curve_->setObjectName("chtDeskCurve");
    curve_->setRenderHint(QPainter::Antialiasing);
    curve_->setMinimumHeight(160);
    pointer_ = new QLabel(this);
    pointer_->setObjectName("lblDeskPointer");

    auto* box = new QVBoxLayout(this);
    box->addWidget(household_);
    box->addWidget(sentence_);
    box->addWidget(table_);
    box->addWidget(curve_, 1);
    box->addWidget(pointer_);
    showMissing({}, "Open a scenario or start a new one.");
}

void Desk::showYears(std::int16_t planYear) {
    const shell::YearTexts years = shell::yearTexts(planYear);
    const QString first = qs(years.current), second = qs(years.next);
    table_->setHorizontalHeaderLabels(
        {first + "\nno deferral", second + "\nno deferral", first + "\ndeferred", second + "\ndeferred"});
    table_->setVerticalHeaderLabels({"Regular tax", "AMT", "Regular and AMT tax", "Present value of " + second + " tax",
                                     "Present value of " + first + " and " + second + " tax"});
}

void Desk::showAnswer(const reports::AnalysisResult& r, const QString& lawText) {
    showYears(r.planYear);
    QString names = qs(r.spouse1);
    if (!r.spouse2.empty() && r.filingStatus == 2) names += " & " + qs(r.spouse2);
    household_->setText(names + " \u2014 " + qs(reports::filingStatusName(r.filingStatus)) + " \u2014 " + lawText);
    sentence_->setText(qs(reports::answerSentence(r)));
    const std::array<const reports::YearTax*, 4> columns = {&r.without[0], &r.without[1], &r.with[0], &r.with[1]};
    for (int c = 0; c < 4; ++c) {
        const reports::YearTax& y = *columns[static_cast<std::size_t>(c)];
        table_->item(Regular, c)->setText(amountText(y.regular));
        table_->item(Amt, c)->setText(amountText(y.amt));
        table_->item(Total, c)->setText(amountText(y.total));
        // The present values stand in the second year's column of each half.
        const bool second = c % 2 == 1;
        const bool with = c >= 2;
        table_->item(PresentValueSecond, c)->setText(second ? amountText(with ? r.pvNextWith : r.pvNextWithout) : "");
        table_->item(PresentValueBoth, c)->setText(second ? amountText(with ? r.combinedWith : r.combinedWithout) : "");
    }
    setCurve(r);
}

void Desk::showMissing(const QString& household, const QString& why) {
    household_->setText(household);
    sentence_->setText(why);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 4; ++c) table_->item(r, c)->setText({});
    reports::AnalysisResult none;
    setCurve(none);
}

void Desk::setCurve(const reports::AnalysisResult& r) {
    QChart* old = curve_->chart();
    QChart* chart = nullptr;
    pointer_->clear();
    if (r.curve.empty()) {
        chart = new QChart;
        chart->setTitle(r.searched || r.file.empty() ? QString() : QString(reports::kNoSearchText));
    } else {
        std::vector<reports::GraphData::PointXY> xy;
        xy.reserve(r.curve.size());
        for (const auto& p : r.curve) xy.push_back({p.deferred, p.combinedTax});
        chart = makeGraphChart(reports::graphOf(std::move(xy), r.planYear));
        // The best point: the amount the analysis chose, on the curve.
        auto* best = new QScatterSeries;
        best->setObjectName("seriesBest");
        best->setMarkerSize(11);
        Currency bestY = r.curve.front().combinedTax;
        for (const auto& p : r.curve)
            if (p.deferred == r.deferred) bestY = p.combinedTax;
        best->append(r.deferred.toDouble(), bestY.toDouble());
        chart->addSeries(best);
        for (QAbstractAxis* axis : chart->axes()) best->attachAxis(axis);
        if (QLineSeries* line = graphSeries(*chart)) {
            connect(line, &QLineSeries::hovered, this, [this](const QPointF& at, bool inside) {
                if (!inside) return pointer_->clear();
                pointer_->setText("Deferred $" + amountText(Currency::fromDouble4(at.x()).roundDollarsEven()) +
                                  ": combined tax $" + amountText(Currency::fromDouble4(at.y()).roundDollarsEven()));
            });
        }
    }
    chart->legend()->hide();
    curve_->setChart(chart);
    delete old;
}

}  // namespace tavrel::ui
