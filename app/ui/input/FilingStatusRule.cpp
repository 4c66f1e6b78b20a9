#include "ui/input/FilingStatusRule.h"

#include "input/FieldTable.h"

#include "base/YearText.h"

#include <QLabel>
#include <QWidget>

#include <string>

namespace tavrel::ui {
namespace {

struct ControlRef {
    std::string_view control;
    int index;
};

// The controls of the second spouse, hidden when there is one taxpayer.
constexpr ControlRef kSpouseTwo[] = {
    {"txtSpouse2", -1}, {"lblSpouse2", -1}, {"lblSpouse", 1}, {"lblSpouse", 3}, {"chkBlind", 1},
    {"chkBlind", 3},    {"chk65", 1},       {"chk65", 3},     {"lblSpYr", 1},   {"lblSpYr", 3},
    {"txtWages", 1},    {"txtWages", 3},    {"txtSEInc", 1},  {"txtSEInc", 3},
};

// Head of Household shows only these of them and leaves the rest as they were.
constexpr ControlRef kHeadOfHouseholdShows[] = {
    {"lblSpouse", 1}, {"lblSpouse", 3}, {"chkBlind", 1}, {"chkBlind", 3}, {"chk65", 1}, {"chk65", 3},
};

QWidget* find(const ControlMap& controls, ControlRef ref) {
    const auto it = controls.find(fields::objectName(ref.control, ref.index));
    return it == controls.end() ? nullptr : it->second;
}

void setCaption(const ControlMap& controls, ControlRef ref, const std::string& caption) {
    if (auto* label = qobject_cast<QLabel*>(find(controls, ref))) label->setText(QString::fromStdString(caption));
}

template <std::size_t N>
void setVisible(const ControlMap& controls, const ControlRef (&refs)[N], bool visible) {
    for (const ControlRef& ref : refs)
        if (QWidget* w = find(controls, ref)) w->setVisible(visible);
}

// A caption of two lines: who, then the year.
std::string twoLines(std::string_view who, std::string_view year) {
    return std::string(who) + "\n" + std::string(year);
}

}  // namespace

int filingStatusOf(std::string_view listText) {
    for (std::size_t i = 0; i < fields::kFilingStatusTexts.size(); ++i)
        if (fields::kFilingStatusTexts[i] == listText) return static_cast<int>(i) + 1;
    return 0;
}

void applyFilingStatusLayout(std::string_view listText, const ControlMap& controls, std::int16_t planYear) {
    const auto [year1, year2] = shell::yearTexts(planYear);
    switch (filingStatusOf(listText)) {
    case 1:  // Single
    case 5:  // Widow
        setVisible(controls, kSpouseTwo, false);
        setCaption(controls, {"lblSpouse1", -1}, "Client");
        for (std::string_view name : {"lblSpouse", "lblSpYr"}) {
            setCaption(controls, {name, 0}, twoLines("Client", year1));
            setCaption(controls, {name, 2}, twoLines("Client", year2));
        }
        break;
    case 2:  // Joint
    case 3:  // Married Filing Seperate
        setVisible(controls, kSpouseTwo, true);
        setCaption(controls, {"lblSpouse1", -1}, "Spouse #1");
        setCaption(controls, {"lblSpouse", 0}, twoLines("Spouse 1 ", year1));
        setCaption(controls, {"lblSpouse", 2}, twoLines("Spouse 1 ", year2));
        setCaption(controls, {"lblSpYr", 0}, twoLines("Spouse 1", year1));
        setCaption(controls, {"lblSpYr", 2}, twoLines("Spouse 1", year2));
        break;
    case 4:  // Head of Household
        setVisible(controls, kHeadOfHouseholdShows, true);
        setCaption(controls, {"lblSpouse", 0}, twoLines("Spouse 1", year1));
        setCaption(controls, {"lblSpouse", 2}, twoLines("Spouse 1", year2));
        break;
    default: break;
    }
}

}  // namespace tavrel::ui
