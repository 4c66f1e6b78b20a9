#pragma once
// The input form's field table: every control of the form, the object and the
// property it is bound to, what kind of field it is, its page and its help
// text. The form builds, fills and binds its controls by walking this table.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tavrel::ui::fields {

enum class Page { Initial, Income, Adjustments, Itemized };

// The object a control is bound to. BothYears fields are written to the
// current-year return and then to the next-year return, and read from the
// current-year return.
enum class Target { Planner, Current, Next, BothYears };

// The part of a return that holds the property: the return itself or its
// income, adjustments or itemized-deduction sub-object.
enum class Part { Top, Inc, Adj2Inc, Item };

enum class Kind {
    Amount,    // money; an emptied field becomes "0"
    Count,     // a whole number (exemptions); an emptied field becomes "0"
    Name,      // a 50-character name of the household
    FreeText,  // the 50-character description line
    Option,    // a planner option, written as typed (no rule for an empty field)
    Flag,      // a check box
    Choice,    // the filing-status list
    Year,      // the plan-year list
    Action,    // the file-name button
};

struct Field {
    std::string_view control;  // control name ("txtWages")
    int index;                 // index in its control array; -1 when not an array
    Target target;
    Part part;
    std::string_view property;  // property name as the object's table spells it
    Kind kind;
    Page page;
    std::string_view label;    // name of the label beside it; empty when none
    std::string_view caption;  // the label's caption as shown (the button's own caption for Action)
    std::string_view help;     // shown in the help box on focus
};

// A caption set at load from the tax years: prefix followed by the year.
struct Caption {
    std::string_view control;
    int index;
    Page page;
    std::string_view heads;  // the field whose line it stands above
    std::string_view prefix;
    bool nextYear;
};

std::span<const Field> fieldTable();
std::span<const Caption> captionTable();

// The tab pages, in order, with their mnemonics.
inline constexpr std::array<std::string_view, 4> kPageTitles = {"&Initial Inputs", "I&ncome", "&Adjustments to Income",
                                                                "I&temized Deductions"};

// The filing-status list: list index 0 to 4 stands for status 1 to 5.
inline constexpr std::array<std::string_view, 5> kFilingStatusTexts = {"Single", "Joint", "Married Filing Seperate",
                                                                       "Head of Household", "Widow"};

// The label that shows the current file beside the file-name button.
inline constexpr std::string_view kFilenameLabel = "lblFilename";

// The object name of a control: its name, plus "_" and the index for arrays.
std::string objectName(std::string_view control, int index);

// The field with that control name and index, or null.
const Field* findField(std::string_view control, int index = -1);

// An emptied field of this kind shows and writes "0".
constexpr bool zeroWhenEmpty(Kind k) { return k == Kind::Amount || k == Kind::Count; }
// Fields of this kind hold 50 characters padded with blanks; they show the text
// without the trailing blanks so that the user can go on typing.
constexpr bool fixedWidth(Kind k) { return k == Kind::Name || k == Kind::FreeText; }
// Fields entered in a text box.
constexpr bool isTextBox(Kind k) {
    return k == Kind::Amount || k == Kind::Count || k == Kind::Name || k == Kind::FreeText || k == Kind::Option;
}

}  // namespace tavrel::ui::fields
