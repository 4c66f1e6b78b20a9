#include "ui/shell/MainWindow.h"

#include "ui/shell/Desk.h"

#include "base/ProgramInfo.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace tavrel::ui {
namespace {

// Placement is kept in twips (1/1440 inch), the window system's old form units.
int toPixels(int twips, int dpi) { return twips * dpi / 1440; }
int toTwips(int pixels, int dpi) { return pixels * 1440 / dpi; }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(shell::kFileDescription);
    using C = Commands;

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    addCommand(file, "mnuFileNew", "&New", &C::newFile);
    addCommand(file, "mnuFileOpen", "&Open...", &C::open);
    file->addSeparator()->setObjectName("mnuFileBar0");
    addCommand(file, "mnuFileSave", "&Save", &C::save);
    addCommand(file, "mnuFileSaveAs", "Save &As...", &C::saveAs);
    file->addSeparator()->setObjectName("mnuFileBar1");
    addCommand(file, "mnuFilePrintPreview", "Print Pre&view", &C::preview);
    addCommand(file, "mnuFilePrint", "&Print...", &C::print);
    addCommand(file, "mnuFileExportPdf", "Export P&DF...", &C::exportPdf);
    addCommand(file, "mnuFileExportData", "Export &Data...", &C::exportData);
    file->addSeparator()->setObjectName("mnuFileBar3");
    for (int i = 0; i < 5; ++i) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QString("mnuFileMRU_%1").arg(i + 1));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] {
            if (commands_.recent) commands_.recent(i + 1);
        });
        recent_[static_cast<std::size_t>(i)] = a;
        busyBlocked_ << a;
    }
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName("mnuFileBar4");
    recentSeparator_->setVisible(false);
    addCommand(file, "mnuFileExit", "E&xit", &C::exit);

    QAction* inputs = menuBar()->addAction("&Inputs");
    inputs->setObjectName("mnuInputs");
    connect(inputs, &QAction::triggered, this, [this] { run(&C::inputs); });
    busyBlocked_ << inputs;

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("mnuView");
    addCommand(view, "mnuViewReports", "&Reports...", &C::viewReports);
    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("mnuOptions");
    addCommand(options, "mnuOptionsFonts", "&Fonts...", &C::fonts);
    QMenu* law = options->addMenu("Tax &Law");
    law->setObjectName("mnuOptionsLaw");
    auto* laws = new QActionGroup(this);
    const auto addLaw = [&](const char* name, const QString& text, osgrin::LawEdition edition) {
        QAction* a = law->addAction(text);
        a->setObjectName(name);
        a->setCheckable(true);
        laws->addAction(a);
        connect(a, &QAction::triggered, this, [this, edition] {
            if (commands_.law) commands_.law(edition);
        });
        busyBlocked_ << a;
        return a;
    };
    lawTables_ =
        addLaw("mnuOptionsLawTables", "&2008 Tables: both years under the 2008 law", osgrin::LawEdition::Tables2008);
    lawEnacted_ =
        addLaw("mnuOptionsLawEnacted", "&Enacted: each year under its own law as enacted", osgrin::LawEdition::Enacted);
    oneWindow_ = options->addAction("Reports in One &Window");
    oneWindow_->setObjectName("mnuOptionsOneWindow");
    oneWindow_->setCheckable(true);
    connect(oneWindow_, &QAction::triggered, this, [this](bool on) {
        if (commands_.oneWindow) commands_.oneWindow(on);
    });
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    addCommand(help, "mnuHelpContents", "&Contents", &C::helpContents);
    addCommand(help, "mnuHelpSearchForHelpOn", "&Search For Help On...", &C::helpSearch);
    help->addSeparator()->setObjectName("mnuHelpBar0");
    addCommand(help, "mnuHelpAbout", "&About ", &C::about);

    QToolBar* bar = addToolBar("Toolbar");
    bar->setObjectName("tbToolBar");
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {{"New", QStyle::SP_FileIcon},
                                                                      {"Open", QStyle::SP_DialogOpenButton},
                                                                      {"Save", QStyle::SP_DialogSaveButton},
                                                                      {"Input", QStyle::SP_FileDialogDetailedView},
                                                                      {"Preview", QStyle::SP_FileDialogContentsView},
                                                                      {"Print", QStyle::SP_ComputerIcon},
                                                                      {"Help", QStyle::SP_DialogHelpButton}};
    for (const auto& [key, icon] : buttons) {
        QAction* a = bar->addAction(style()->standardIcon(icon), key);
        a->setObjectName(QString("tb") + key);
        a->setData(QString(key));
        connect(a, &QAction::triggered, this, [this, k = QString(key)] { runToolbarKey(k); });
        if (QString(key) != "Help") busyBlocked_ << a;
    }

    // The keys every desktop program answers to.
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuFileNew", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuFileOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuFileSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuFileSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"mnuFilePrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"mnuHelpContents", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : keys)
        if (QAction* a = findChild<QAction*>(name)) a->setShortcut(key);

    desk_ = new Desk(this);
    setCentralWidget(desk_);

    status_ = new QLabel(this);
    status_->setObjectName("sbStatusBar_1");
    statusBar()->setObjectName("sbStatusBar");
    statusBar()->addWidget(status_, 1);
    lawStatus_ = new QLabel(this);
    lawStatus_->setObjectName("sbStatusBar_2");
    statusBar()->addPermanentWidget(lawStatus_);
    setStatusFile({});
    setStatusLaw(osgrin::kDefaultLawEdition, "Law: " + std::string(osgrin::lawEditionText(osgrin::kDefaultLawEdition)));
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& text,
                                std::function<void()> Commands::*command) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, command] { run(command); });
    const QString n(name);
    if (n != "mnuFileExit" && !n.startsWith("mnuHelp") && n != "mnuOptionsFonts") busyBlocked_ << a;
    return a;
}

void MainWindow::run(std::function<void()> Commands::*command) {
    if (commands_.*command) (commands_.*command)();
}

void MainWindow::runToolbarKey(const QString& key) {
    using C = Commands;
    if (key == "New")
        run(&C::newFile);
    else if (key == "Open")
        run(&C::open);
    else if (key == "Save")
        run(&C::save);
    else if (key == "Input")
        run(&C::inputs);
    else if (key == "Preview")
        run(&C::preview);
    else if (key == "Print")
        run(&C::print);
    else if (key == "Help")
        run(&C::helpContents);
}

void MainWindow::setBusy(bool busy) {
    for (QAction* a : busyBlocked_) a->setEnabled(!busy);
}

void MainWindow::restorePlacement(QSettings& settings) {
    settings.beginGroup("Settings");
    const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
    const int left = settings.value("MainLeft", 1000).toInt(), top = settings.value("MainTop", 1000).toInt();
    const int width = settings.value("MainWidth", 6500).toInt(), height = settings.value("MainHeight", 6500).toInt();
    settings.endGroup();
    move(toPixels(left, dpiX), toPixels(top, dpiY));
    resize(toPixels(width, dpiX), toPixels(height, dpiY));
}

void MainWindow::savePlacement(QSettings& settings) const {
    if (isMinimized()) return;  // a minimised window keeps the placement stored before
    const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
    settings.beginGroup("Settings");
    settings.setValue("MainLeft", QString::number(toTwips(x(), dpiX)));
    settings.setValue("MainTop", QString::number(toTwips(y(), dpiY)));
    settings.setValue("MainWidth", QString::number(toTwips(width(), dpiX)));
    settings.setValue("MainHeight", QString::number(toTwips(height(), dpiY)));
    settings.endGroup();
}

void MainWindow::setStatusFile(const std::string& currentFile) {
    status_->setText("File: " + QString::fromStdString(currentFile));
}

void MainWindow::setStatusLaw(osgrin::LawEdition law, const std::string& lawText) {
    lawStatus_->setText(QString::fromStdString(lawText));
    lawEnacted_->setChecked(law == osgrin::LawEdition::Enacted);
    lawTables_->setChecked(law != osgrin::LawEdition::Enacted);
}

void MainWindow::setRecentFileItem(int index, bool visible, const std::string& caption) {
    if (index < 1 || index > 5) return;
    QAction* a = recent_[static_cast<std::size_t>(index - 1)];
    a->setText(QString::fromStdString(caption));
    a->setVisible(visible);
}

void MainWindow::setRecentSeparatorVisible(bool visible) { recentSeparator_->setVisible(visible); }

void MainWindow::setReportsInOneWindow(bool oneWindow) { oneWindow_->setChecked(oneWindow); }

void MainWindow::scenarioChanged() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        if (commands_.refresh) commands_.refresh();
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the frame is the Exit command; the controller ends the program.
    if (!closing_ && commands_.exit) {
        closing_ = true;
        event->ignore();
        commands_.exit();
        closing_ = false;
        return;
    }
    event->accept();
}

}  // namespace tavrel::ui
