#pragma once
// The write of a text box into its bound property on every change, and what
// happens when the object rejects the text: the message or the warning, a beep,
// and the last good value put back.

#include "input/FieldTable.h"

#include "base/Shell.h"

#include "common/PropertyBag.h"

#include <QString>

#include <functional>
#include <map>
#include <string_view>

class QLineEdit;

namespace tavrel::ui {

struct EditContext {
    shell::Shell& shell;
    std::function<void()> beep;
    // True while a rejected field gets the property's value back; the change
    // that this causes writes the same good value again.
    bool restoring = false;
    // The text of a number field that is on its way to a number ("6," before
    // "6,000"): shown, not sent. A keystroke that is refused puts it back.
    std::map<const QLineEdit*, QString> unfinished{};
};

enum class TextChgResult { NotSent, Accepted, Rejected };

// Assigns the text box's text to the property by name. A lone "-" is not sent.
// When the object rejects it: errors 10001 and 10002 show their message, any
// other error goes to the error reporter as a warning; then a beep and, when
// the caret was past the first character, the property's value is put back
// (without trailing blanks for 50-character fields) with the caret just before
// the rejected character.
TextChgResult TextChg(QLineEdit& box, PropertyBag& object, std::string_view property, bool fixedWidth,
                      EditContext& context);

// The write of the field's text, checked as its kind of field is (see
// input/AmountEntry.h): names and the description go to TextChg as typed; a
// number field sends a complete number in plain digits ("6,000" as 6000),
// keeps a text on its way to a number without sending it, and refuses any
// other text at once with the 10002 message, the beep and the text it had
// before the keystroke put back.
TextChgResult FieldChg(QLineEdit& box, PropertyBag& object, const fields::Field& field, EditContext& context);

// Leaving a number field whose text never became a number: the 10002 message
// and the beep, once; true when shown. The field then shows the bound value.
bool NumberFieldLeft(QLineEdit& box, const fields::Field& field, EditContext& context);

// The message of an expected rejection, "(10002) This item needs to be a
// number."; empty for any other error number.
std::string rejectionMessage(int number);

}  // namespace tavrel::ui
