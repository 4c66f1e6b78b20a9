#include "ui/input/KeptSpouseTwo.h"

#include "ui/input/FieldBinding.h"

#include "input/FieldTable.h"
#include "scenario/SpouseTwoEntries.h"

#include "base/LawChoice.h"
#include "base/ProgramInfo.h"

#include "planner/AMT.h"

#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace tavrel::ui {
namespace {

using fields::Field;
using shell::SpouseTwoEntry;

constexpr const char* kKeptProperty = "keptForSpouseTwo";

bool isSpouseTwoAmount(const Field& f) {
    return f.part == fields::Part::Inc && std::ranges::find(shell::kSpouseTwoAmountProperties, f.property) !=
                                              std::end(shell::kSpouseTwoAmountProperties);
}

bool isFieldOf(const Field& f, const SpouseTwoEntry& e) {
    return isSpouseTwoAmount(f) && f.property == e.property &&
           f.target == (e.nextYear ? fields::Target::Next : fields::Target::Current);
}

QWidget* find(const ControlMap& controls, std::string_view control, int index) {
    const auto it = controls.find(fields::objectName(control, index));
    return it == controls.end() ? nullptr : it->second;
}

bool isMarked(const QWidget* w) { return w && w->property(kKeptProperty).toBool(); }

// The mark changes the colours only, never the size: the form does not move.
void mark(QWidget& w, bool kept) {
    if (isMarked(&w) == kept) return;
    w.setProperty(kKeptProperty, kept);
    w.setToolTip(kept ? QString(kKeptSpouseTwoTip) : QString());
    if (kept) {
        QPalette p = w.palette();
        p.setColor(QPalette::Base, QColor(0xff, 0xf0, 0xc0));
        w.setPalette(p);
    } else {
        w.setPalette(QPalette());
    }
}

}  // namespace

std::string clearSpouseTwoQuestion(const std::vector<SpouseTwoEntry>& entries, int filingStatus) {
    std::string list;
    for (const SpouseTwoEntry& e : entries) {
        if (!list.empty()) list += "; ";
        list += std::string(e.what) + " " + e.year + ": " + e.amount;
    }
    const std::size_t row = static_cast<std::size_t>(filingStatus - 1);
    const std::string status =
        row < fields::kFilingStatusTexts.size() ? std::string(fields::kFilingStatusTexts[row]) : std::string("This");
    return "Spouse 2 has amounts entered (" + list + "). A " + status +
           " return has no second spouse, but amounts kept for Spouse 2 still count in the tax. Clear them?";
}

void showKeptSpouseTwo(shell::Shell& shell, const ControlMap& controls, int filingStatus, bool ask) {
    mirvane::AMT& planner = *shell.state.Planner;
    std::vector<SpouseTwoEntry> kept;
    if (shell::hasNoSecondSpouse(filingStatus))
        kept = shell::spouseTwoAmounts(planner, shell::effectivePlanYear(shell.state));

    auto boxOf = [&](const SpouseTwoEntry& e) -> QWidget* {
        for (const Field& f : fields::fieldTable())
            if (isFieldOf(f, e)) return find(controls, f.control, f.index);
        return nullptr;
    };
    // Amounts the user already chose to keep are not asked about again.
    const bool news = std::ranges::any_of(kept, [&](const SpouseTwoEntry& e) { return !isMarked(boxOf(e)); });
    if (ask && news &&
        shell.dialogs.message(shell::kFileDescription, clearSpouseTwoQuestion(kept, filingStatus),
                              shell::Icon::Exclamation, shell::Buttons::YesNo) == shell::Answer::Yes) {
        shell::clearSpouseTwoAmounts(planner);
        shell.state.IsSaved = false;
        kept.clear();
        for (const Field& f : fields::fieldTable())
            if (isSpouseTwoAmount(f))
                if (auto* box = qobject_cast<QLineEdit*>(find(controls, f.control, f.index)))
                    box->setText(fields::boundText(planner, f));
    }

    for (const Field& f : fields::fieldTable()) {
        if (!isSpouseTwoAmount(f)) continue;
        QWidget* box = find(controls, f.control, f.index);
        if (!box) continue;
        const bool keep = std::ranges::any_of(kept, [&](const SpouseTwoEntry& e) { return isFieldOf(f, e); });
        mark(*box, keep);
        if (keep) {
            box->show();
            // The column's caption: Spouse 2 and the year.
            if (QWidget* caption = find(controls, "lblSpYr", f.index)) caption->show();
        }
    }
}

}  // namespace tavrel::ui
