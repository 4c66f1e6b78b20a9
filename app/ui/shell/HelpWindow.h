#pragma once
// The help: the program's HTML help file in a window with its table of contents
// and a search box.

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tavrel::ui {

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const QString& helpFile, QWidget* parent = nullptr);
    // Contents: the top of the file; search: the search box ready for typing.
    void showContents();
    void showSearch();
    // Finds the text from the current place on (wrapping once); false when absent.
    bool find(const QString& text);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QListWidget* contents_;
    QLineEdit* search_;
};

// The help file: beside the program, or in the installed share folder; empty
// when there is none.
QString helpFilePath(const QString& programFolder);

}  // namespace tavrel::ui
