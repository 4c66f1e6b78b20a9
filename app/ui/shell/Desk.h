#pragma once
// The main window's client area: the scenario's desk. The household and the
// law, the answer in one sentence, each year's tax without and with the
// deferral, and the curve of combined tax against the amount deferred with the
// best point marked. It only shows what it is given.

#include "reports/AnalysisResult.h"

#include <QWidget>

class QLabel;
class QTableWidget;
class QChartView;

namespace tavrel::ui {

class Desk final : public QWidget {
    Q_OBJECT
public:
    explicit Desk(QWidget* parent = nullptr);

    // The answer of an analysis of the scenario in memory.
    void showAnswer(const reports::AnalysisResult& result, const QString& lawText);
    // No answer: the household as far as it is known and what is missing.
    void showMissing(const QString& household, const QString& why);

    QLabel* household() const { return household_; }
    QLabel* sentence() const { return sentence_; }
    QTableWidget* table() const { return table_; }
    QChartView* curve() const { return curve_; }
    // What the curve shows under the mouse ("Deferred $4,000: combined tax $196,210").
    QLabel* pointer() const { return pointer_; }

private:
    // The table's headings name the plan year and the next.
    void showYears(std::int16_t planYear);
    void setCurve(const reports::AnalysisResult& result);

    QLabel* household_;
    QLabel* sentence_;
    QTableWidget* table_;
    QChartView* curve_;
    QLabel* pointer_;
};

// An amount as the reports print it ("10,112").
QString amountText(Currency amount);

}  // namespace tavrel::ui
