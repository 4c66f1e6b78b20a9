#pragma once
// The progress window of the analysis: one bar that follows the search's
// points, shown while the search runs. The program keeps a single one and
// hands it to the planner as its progress observer.

#include "planner/ProgressObserver.h"

#include <QWidget>

class QProgressBar;

namespace mirvane {
class AMT;
}

namespace tavrel::ui {

class ProgressWindow final : public QWidget, public mirvane::ProgressObserver {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Shows the window with the bar from minimum to maximum at its minimum,
    // then lets the user interface process pending events.
    void started(int minimum, int maximum) override;
    // The bar shows the value; pending events are processed.
    void advanced(int value) override;
    // Hides the window and sets the bar back to its minimum.
    void finished() override;
    // The same, for the program's error handling: an error during the search
    // leaves the window shown.
    void hideAfterError() { finished(); }

    QProgressBar* bar() const { return bar_; }

private:
    QProgressBar* bar_;
};

// Connects the window to the planner for the life of the scope; at its end
// (after an error too) the planner has no observer and the window is hidden.
class ProgressScope {
public:
    ProgressScope(mirvane::AMT& planner, ProgressWindow& window);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    mirvane::AMT& planner_;
    ProgressWindow& window_;
};

}  // namespace tavrel::ui
