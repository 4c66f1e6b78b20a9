#pragma once
// The windows of an interactive start: the update alert, the About box and the
// start-up chooser.

#include <QDialog>

#include <string>

namespace tavrel::ui {

// "Update Alert": the version is older than the tax year now due; a button opens
// the update page in the browser and leaves the window open.
class UpdateAlert final : public QDialog {
    Q_OBJECT
public:
    explicit UpdateAlert(const QString& message, QWidget* parent = nullptr);
};

// "About " + the program's description: title, version, system information.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

// "Startup Options": new scenario, old scenario, or just the main window.
class StartupChooser final : public QDialog {
    Q_OBJECT
public:
    explicit StartupChooser(QWidget* parent = nullptr);
    int choice() const { return choice_; }

private:
    int choice_ = 0;
};

// What the alert's "Check For More Current Version" says: where updates come
// from, and the version running.
std::string updateSourceText();

}  // namespace tavrel::ui
