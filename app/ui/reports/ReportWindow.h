#pragma once
// The report window: one report's text, read-only, in a fixed-width font,
// with a toolbar to print the reports or close the window.

#include <QMainWindow>

#include <functional>
#include <string_view>

class QPlainTextEdit;
class QToolButton;

namespace tavrel::ui {

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
    std::function<void()> onPrint_;
    bool placed_ = false;
};

}  // namespace tavrel::ui
