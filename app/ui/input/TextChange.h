#pragma once
// The write of a text box into its bound property on every change, and what
// happens when the object rejects the text: the message or the warning, a beep,
// and the last good value put back.

#include "base/Shell.h"

#include "common/PropertyBag.h"

#include <functional>
#include <string_view>

class QLineEdit;

namespace tavrel::ui {

struct EditContext {
    shell::Shell& shell;
    std::function<void()> beep;
    // True while a rejected field gets the property's value back; the change
    // that this causes writes the same good value again.
    bool restoring = false;
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

// The message of an expected rejection, "(10002) This item needs to be a
// number."; empty for any other error number.
std::string rejectionMessage(int number);

}  // namespace tavrel::ui
