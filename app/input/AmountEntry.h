#pragma once
// What a field that holds a number makes of the text being typed into it. The
// text is checked keystroke by keystroke, so a text on its way to a number
// ("6," on the way to "6,000", a lone "-" or "$") is not a mistake yet: it is
// kept in the field and sent once it is complete, and only a text that no
// further typing can make a number is refused at once.
//
// The accepted form, blanks allowed around it:
//   [+|-] [$] digits [. digits] [(e|E) [+|-] digits]     ($ and the sign in either order)
// where the whole-dollar digits are either plain ("6000") or grouped by commas
// into a first group of one to three digits and then groups of three ("6,000").

#include "input/FieldTable.h"

#include <string>
#include <string_view>

namespace tavrel::ui::fields {

enum class EntryState {
    Complete,    // a number: `text` is what the bound property gets
    Incomplete,  // not a number yet, but typing on can make it one
    Invalid,     // no further typing makes it a number
};

struct AmountEntry {
    EntryState state;
    // For a complete entry: the sign and the digits without the blanks, the
    // dollar sign and the thousands separators ("-6000.5").
    std::string text;
};

// `dollarSign`: whether a leading "$" is part of the form (money fields).
AmountEntry classifyAmount(std::string_view typed, bool dollarSign);

// How a field's typed text is checked before it is sent.
enum class EntryRule {
    AsTyped,  // names and the description: sent as they are
    Money,    // amounts: the form above, "$" included
    Number,   // counts and rates: the form above without "$"
};

EntryRule entryRule(const Field& field);

}  // namespace tavrel::ui::fields
