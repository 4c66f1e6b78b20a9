#include "ui/reports/ReportWindow.h"

#include "ui/reports/ReportFont.h"
#include "ui/reports/WindowPlacement.h"

#include <QAction>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

namespace tavrel::ui {
namespace {
// Wide enough for the widest report line with a little room.
constexpr int kColumns = 100;
constexpr int kRows = 40;
}  // namespace

ReportButtons addReportToolBar(QMainWindow& window, std::function<void()> onPrint) {
    QToolBar* bar = window.addToolBar("Report");
    bar->setObjectName("tbrReport");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* print = bar->addAction("print");
    QAction* exit = bar->addAction("exit");
    print->setObjectName("actPrint");
    exit->setObjectName("actExit");
    const ReportButtons buttons{qobject_cast<QToolButton*>(bar->widgetForAction(print)),
                                qobject_cast<QToolButton*>(bar->widgetForAction(exit))};
    buttons.print->setObjectName("btnPrint");
    buttons.exit->setObjectName("btnExit");
    QObject::connect(print, &QAction::triggered, &window, [onPrint = std::move(onPrint)] {
        if (onPrint) onPrint();
    });
    QObject::connect(exit, &QAction::triggered, &window, &QWidget::close);
    return buttons;
}

ReportWindow::ReportWindow(std::function<void()> onPrint, QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmReportForm");
    setAttribute(Qt::WA_DeleteOnClose);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtReport");
    text_->setReadOnly(true);
    // Read-only ignores typed text; selecting and copying stay possible.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(reportWindowFont());
    text_->setUndoRedoEnabled(false);
    // The central widget fills the window whatever its size.
    setCentralWidget(text_);

    const ReportButtons buttons = addReportToolBar(*this, std::move(onPrint));
    print_ = buttons.print;
    exit_ = buttons.exit;

    const QFontMetrics fm(text_->font());
    resize(fm.horizontalAdvance(QLatin1Char('0')) * kColumns + text_->verticalScrollBar()->sizeHint().width(),
           fm.lineSpacing() * kRows);
}

void ReportWindow::appendText(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor c(text_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(s);
}

void ReportWindow::clearText() { text_->clear(); }

QString ReportWindow::text() const { return text_->toPlainText(); }

void ReportWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    if (place_)
        place_(*this);
    else
        centreOnScreen(*this);
    text_->moveCursor(QTextCursor::Start);
}

}  // namespace tavrel::ui
