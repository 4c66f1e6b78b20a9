#pragma once
// Reports on the screen: each report in a window of its own, with the three
// heading lines at the top, shown when the report is complete.

#include "reports/ReportDestination.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace tavrel::ui {

class ReportTabs;
class ReportWindow;
class WindowCascade;

class ScreenDestination final : public reports::ReportDestination {
public:
    // The windows are children of `parent` (closed with it); "print" in any of
    // them calls `onPrint`. With a cascade the windows take its places, else
    // each is centred on the screen.
    ScreenDestination(QWidget* parent, std::function<void()> onPrint, WindowCascade* cascade = nullptr)
        : parent_(parent), onPrint_(std::move(onPrint)), cascade_(cascade) {}

    void beginReport(const reports::Report& report) override;
    void block(const reports::Block& block, const reports::Headings& headings) override;
    void endReport(const reports::Report& report) override;

    // The window of the last report begun (null once closed).
    ReportWindow* lastWindow() const;
    // With tabs, each report becomes a page of that one window instead of a
    // window of its own; null: windows of their own.
    void setTabs(ReportTabs* tabs) { tabs_ = tabs; }

private:
    QWidget* parent_;
    std::function<void()> onPrint_;
    WindowCascade* cascade_;
    QPointer<ReportWindow> window_;
    ReportTabs* tabs_ = nullptr;
};

}  // namespace tavrel::ui
