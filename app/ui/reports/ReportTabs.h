#pragma once
// The reports of a run in one window, one tab per report and one for the
// graph, for the user who picks it in Options instead of a window each.

#include <QMainWindow>

class QTabWidget;

namespace tavrel::ui {

class ReportTabs final : public QMainWindow {
    Q_OBJECT
public:
    explicit ReportTabs(QWidget* parent = nullptr);
    // Drops the pages of the run before.
    void clear();
    // A report or graph window as a page, made the current one: the last
    // opened lies on top, as with separate windows.
    void addPage(QWidget* page, const QString& title);
    QTabWidget* tabs() const { return tabs_; }

private:
    QTabWidget* tabs_;
};

}  // namespace tavrel::ui
