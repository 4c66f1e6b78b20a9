#pragma once
// The report window: one report's text, read-only, in a fixed-width font,
// with a toolbar to print the reports or close the window; the graph window
// has the same toolbar.

#include <QMainWindow>

#include <functional>
#include <string_view>

class QPlainTextEdit;
class QToolButton;

namespace tavrel::ui {

// How a window is placed when it is first shown.
using Placement = std::function<void(QWidget&)>;

// The toolbar of the windows a report run opens: "print" calls `onPrint` (when
// set), "exit" closes the window.
struct ReportButtons {
    QToolButton* print;
    QToolButton* exit;
};
ReportButtons addReportToolBar(QMainWindow& window, std::function<void()> onPrint);

class ReportWindow final : public QMainWindow {
    Q_OBJECT
public:
    // `onPrint` runs when the user presses "print" (the owner prints the
    // reports); it must handle its own errors. The window deletes itself when
    // closed.
    explicit ReportWindow(std::function<void()> onPrint, QWidget* parent = nullptr);

    // Adds text at the end; CR LF (or a lone CR or LF) breaks the lines.
    void appendText(std::string_view text);
    void clearText();
    // Centred on the screen unless set.
    void setPlacement(Placement place) { place_ = std::move(place); }
    // The text as the view holds it: lines separated by "\n".
    QString text() const;

    QPlainTextEdit* textView() const { return text_; }
    QToolButton* printButton() const { return print_; }
    QToolButton* exitButton() const { return exit_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* text_;
    QToolButton* print_;
    QToolButton* exit_;
    Placement place_;
    bool placed_ = false;
};

}  // namespace tavrel::ui
