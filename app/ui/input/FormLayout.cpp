#include "ui/input/FormLayout.h"

#include "input/AmountEntry.h"
#include "input/FieldTable.h"

#include "common/Currency.h"

#include "planner/TaxYears.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <set>
#include <span>
#include <string_view>

namespace tavrel::ui {
namespace {

using fields::Caption;
using fields::Field;
using fields::Kind;

constexpr int kColumns = 4;  // spouse columns; a year spans two of them

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <class W>
W* named(W* w, const std::string& name, ControlMap& controls) {
    w->setObjectName(QString::fromStdString(name));
    // A control the filing status hides keeps its place, so the form never
    // moves under the mouse when the status changes.
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
    controls[name] = w;
    return w;
}

// The widest text a number field shows: the largest amount the money type
// stores, negative, with its separators, every digit the widest of the font.
QString widestAmount(const QFontMetrics& metrics) {
    QChar widestDigit = '0';
    for (char d = '1'; d <= '9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widestDigit)) widestDigit = QChar(d);
    QString text = QString::fromStdString(Currency::fromScaled(1 - Currency::kStorableLimit).toPatternText());
    for (QChar& c : text)
        if (c.isDigit()) c = widestDigit;
    return text;
}

// A number field: right-aligned, and wide enough for the widest amount. The
// frame and the margins are what the box's own size hint adds to its
// seventeen-character text width.
void shapeNumberBox(QLineEdit& box) {
    box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QFontMetrics metrics = box.fontMetrics();
    const int around = box.sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    box.setMinimumWidth(metrics.horizontalAdvance(widestAmount(metrics)) + around);
}

QWidget* makeControl(const Field& f, QWidget* page, ControlMap& controls) {
    const std::string name = fields::objectName(f.control, f.index);
    switch (f.kind) {
    case Kind::Flag: return named(new QCheckBox(page), name, controls);
    case Kind::Action: return named(new QPushButton(qs(f.caption), page), name, controls);
    case Kind::Choice: {
        auto* list = named(new QListWidget(page), name, controls);
        for (std::string_view text : fields::kFilingStatusTexts) list->addItem(qs(text));
        // Every status in sight, none clipped, whatever the rest of the page needs.
        const int frame = 2 * list->frameWidth();
        list->setFixedHeight(list->sizeHintForRow(0) * list->count() + frame);
        list->setMinimumWidth(list->sizeHintForColumn(0) + frame);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return list;
    }
    case Kind::Year: {
        // Every year some law plans; the form refuses those the law in use does not.
        auto* years = named(new QComboBox(page), name, controls);
        for (int y = mirvane::kAnyPlanYear.first; y <= mirvane::kAnyPlanYear.last; ++y)
            years->addItem(QString::number(y));
        QSizePolicy policy = years->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Fixed);
        years->setSizePolicy(policy);
        return years;
    }
    case Kind::Amount:
    case Kind::Count:
    case Kind::Name:
    case Kind::FreeText:
    case Kind::Option: break;
    }
    auto* box = named(new QLineEdit(page), name, controls);
    if (fields::entryRule(f) != fields::EntryRule::AsTyped) shapeNumberBox(*box);
    return box;
}

// Places the widgets of one line in the columns: four share them one each, two
// take a year (two columns) each, one takes them all.
void placeLine(QGridLayout& grid, int row, const std::vector<QWidget*>& line) {
    const int span = kColumns / static_cast<int>(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        // A check box without a caption is only its box: centred in its column.
        const Qt::Alignment align = qobject_cast<QCheckBox*>(line[i]) ? Qt::AlignCenter : Qt::Alignment();
        grid.addWidget(line[i], row, 1 + static_cast<int>(i) * span, 1, span, align);
    }
}

// A caption's name without its trailing digits: lblItemYr1 and lblItemYr2 head
// the two columns of one line.
std::string_view stem(std::string_view name) {
    while (!name.empty() && name.back() >= '0' && name.back() <= '9') name.remove_suffix(1);
    return name;
}

class PageBuilder {
public:
    PageBuilder(fields::Page page, QWidget* widget, ControlMap& controls)
        : page_(page), widget_(widget), grid_(new QGridLayout(widget)), controls_(controls) {}

    void build() {
        const auto table = fields::fieldTable();
        for (std::size_t i = 0; i < table.size();) {
            // A line: consecutive rows of one control sharing one label.
            std::size_t end = i + 1;
            while (end < table.size() && table[end].control == table[i].control && table[end].label == table[i].label)
                ++end;
            if (table[i].page == page_) addLine(table.subspan(i, end - i));
            i = end;
        }
        grid_->setRowStretch(row_, 1);
    }

private:
    void addCaptions(std::string_view heads) {
        if (!headed_.insert(heads).second) return;
        std::vector<const Caption*> group;
        auto flush = [&] {
            if (group.empty()) return;
            std::vector<QWidget*> line;
            for (const Caption* c : group) {
                auto* label = named(new QLabel(widget_), fields::objectName(c->control, c->index), controls_);
                label->setAlignment(Qt::AlignCenter);
                line.push_back(label);
            }
            placeLine(*grid_, row_++, line);
            group.clear();
        };
        for (const Caption& c : fields::captionTable()) {
            if (c.page != page_ || c.heads != heads) continue;
            if (!group.empty() && stem(group.front()->control) != stem(c.control)) flush();
            group.push_back(&c);
        }
        flush();
    }

    void addLine(std::span<const Field> rows) {
        const Field& first = rows.front();
        addCaptions(first.control);
        std::vector<QWidget*> line;
        for (const Field& f : rows) line.push_back(makeControl(f, widget_, controls_));
        if (first.kind == Kind::Action) {
            // The button, and beside it the label that shows the current file.
            grid_->addWidget(line.front(), row_, 0);
            grid_->addWidget(named(new QLabel(widget_), std::string(first.label), controls_), row_, 1, 1, kColumns);
        } else {
            if (!first.label.empty())
                grid_->addWidget(named(new QLabel(qs(first.caption), widget_), std::string(first.label), controls_),
                                 row_, 0);
            placeLine(*grid_, row_, line);
        }
        ++row_;
    }

    fields::Page page_;
    QWidget* widget_;
    QGridLayout* grid_;
    ControlMap& controls_;
    int row_ = 0;
    std::set<std::string_view> headed_;
};

}  // namespace

void buildPages(QTabWidget& tabs, ControlMap& controls) {
    for (std::size_t p = 0; p < fields::kPageTitles.size(); ++p) {
        auto* page = new QWidget(&tabs);
        PageBuilder(static_cast<fields::Page>(p), page, controls).build();
        tabs.addTab(page, qs(fields::kPageTitles[p]));
    }
}

}  // namespace tavrel::ui
