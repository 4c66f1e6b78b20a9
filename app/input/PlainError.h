#pragma once
// An error as the person at the keyboard reads it: one sentence that names the
// field or the file and says what to do ("Spouse 2 wages 2008: the amount is
// too large. Enter a smaller amount."). The number and the places the error
// passed through stay in the details and the error log.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel::ui::fields {

struct Field;

// The sentence for an error with its location chain (places separated by CR);
// a field of one year is named with its year, the plan year or the next.
std::string plainSentence(int number, std::string_view description, std::string_view location, std::int16_t planYear);

// A field as a sentence names it: "Spouse 2 wages 2008", "Exemptions 2009", "Spouse #1".
std::string fieldName(const Field& field, std::int16_t planYear);

}  // namespace tavrel::ui::fields
