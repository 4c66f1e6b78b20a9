#include "ui/shell/StartupWindows.h"

#include "base/ProgramInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel::ui {

UpdateAlert::UpdateAlert(const QString& message, QWidget* parent) : QDialog(parent) {
    setObjectName("frmGetUpdate");
    setWindowTitle("Update Alert");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(message, this);
    text->setObjectName("lblUpdateMessage");
    text->setWordWrap(true);
    text->setMinimumWidth(380);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    auto* check = new QPushButton("Check For More Current Version", this);
    check->setObjectName("OKButton");
    auto* carryOn = new QPushButton("Continue With Current Program", this);
    carryOn->setObjectName("btnExitDialog");
    carryOn->setDefault(true);
    buttons->addWidget(check);
    buttons->addWidget(carryOn);
    layout->addLayout(buttons);
    // The program is installed as a system package, so that is where a newer
    // version comes from; the alert says so in place of its message.
    connect(check, &QPushButton::clicked, text, [text] { text->setText(QString::fromStdString(updateSourceText())); });
    connect(carryOn, &QPushButton::clicked, this, &QDialog::accept);
}

std::string updateSourceText() {
    return "Updates to " + std::string(shell::kFileDescription) +
           " come through your system's package manager (for example, apt update and apt upgrade on Debian). "
           "This is version " +
           shell::versionFull() + ".";
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QString("About ") + shell::kFileDescription);
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(shell::kFileDescription, this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QString::fromStdString("Version: " + shell::versionFull()), this);
    version->setObjectName("lblVersion");
    auto* blurb = new QLabel(QString::fromStdString("Plans the deferral of state and local taxes from a plan year "
                                                    "into the next to lower the two years' regular tax and "
                                                    "alternative minimum tax in present value."),
                             this);
    blurb->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(blurb);
    auto* buttons = new QHBoxLayout;
    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    auto* run = new QPushButton("Run Program", this);
    run->setObjectName("cmdOK");
    run->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(sysInfo);
    buttons->addWidget(run);
    layout->addLayout(buttons);
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        QMessageBox::information(this, shell::kFileDescription, "System Information Is Unavailable At This Time");
    });
}

StartupChooser::StartupChooser(QWidget* parent) : QDialog(parent) {
    setObjectName("frmStartUp");
    setWindowTitle("Startup Options");
    auto* layout = new QVBoxLayout(this);
    const std::pair<const char*, const char*> buttons[] = {
        {"btnNew", "New Scenario"}, {"btnOld", "Old Scenario"}, {"btnMain", "Main Window"}};
    int value = 1;
    for (const auto& [name, caption] : buttons) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setMinimumWidth(200);
        const int choice = name == std::string_view("btnMain") ? 0 : value++;
        connect(b, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            accept();
        });
        layout->addWidget(b);
    }
}

}  // namespace tavrel::ui
