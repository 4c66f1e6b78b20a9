#include "ui/shell/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace tavrel::ui {

QString helpFilePath(const QString& programFolder) {
    for (const QString& candidate : {programFolder + "/AMT.html", programFolder + "/../share/tavrel/AMT.html"})
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
    return {};
}

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle("Tavrel Help");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel("Search:", this));
    search_ = new QLineEdit(this);
    search_->setObjectName("txtHelpSearch");
    search_->setPlaceholderText("a word, then Enter");
    searchRow->addWidget(search_);
    layout->addLayout(searchRow);
    auto* splitter = new QSplitter(this);
    contents_ = new QListWidget(splitter);
    contents_->setObjectName("lstHelpContents");
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName("txtHelpText");
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter);

    browser_->setSource(QUrl::fromLocalFile(helpFile));
    // The contents list: every heading of the first three levels that has an id.
    QFile raw(helpFile);
    if (raw.open(QIODevice::ReadOnly)) {
        const QString source = QString::fromUtf8(raw.readAll());
        const QRegularExpression h(R"re(<h([123]) id="([^"]+)">([^<]+)</h[123]>)re");
        for (auto it = h.globalMatch(source); it.hasNext();) {
            const auto m = it.next();
            const int level = m.captured(1).toInt();
            auto* item = new QListWidgetItem(QString(4 * (level - 1), ' ') + m.captured(3), contents_);
            item->setData(Qt::UserRole, m.captured(2));
        }
    }
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { browser_->scrollToAnchor(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { browser_->scrollToAnchor(item->data(Qt::UserRole).toString()); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { find(search_->text()); });
}

void HelpWindow::showContents() {
    browser_->moveCursor(QTextCursor::Start);
    show();
    raise();
}

void HelpWindow::showSearch() {
    show();
    raise();
    search_->setFocus();
    search_->selectAll();
}

bool HelpWindow::find(const QString& text) {
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    browser_->moveCursor(QTextCursor::Start);
    return browser_->find(text);
}

}  // namespace tavrel::ui
