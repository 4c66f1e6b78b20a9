#include "ui/input/TextChange.h"

#include "base/ProgramInfo.h"

#include "common/FixedText.h"
#include "common/TaxError.h"

#include <QLineEdit>

namespace tavrel::ui {
namespace {

// Puts the property's value back into the text box; the change this raises
// writes it once more.
void putBack(QLineEdit& box, const PropertyBag& object, std::string_view property, bool fixedWidth, int caret,
             EditContext& context) {
    const std::string value = object.getProperty(property);
    const std::string_view shown = fixedWidth ? tavrel::trimRight(value) : std::string_view(value);
    const bool outer = context.restoring;
    context.restoring = true;
    box.setText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    context.restoring = outer;
    box.setCursorPosition(caret);
}

}  // namespace

std::string rejectionMessage(int number) {
    switch (number) {
    case err::TextTooLong: return "(10001) Too many characters entered.";
    case err::NotANumber: return "(10002) This item needs to be a number.";
    default: return {};
    }
}

TextChgResult TextChg(QLineEdit& box, PropertyBag& object, std::string_view property, bool fixedWidth,
                      EditContext& context) {
    const QString text = box.text();
    // A minus sign typed first waits for the digits that follow it.
    if (text == QStringLiteral("-")) return TextChgResult::NotSent;
    const int caret = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    TaxError error(0, {}, {});
    try {
        object.letProperty(property, text.toStdString());
        return TextChgResult::Accepted;
    } catch (const TaxError& e) {
        error = e;
    } catch (const std::exception& e) {
        error = TaxError::standard(err::InvalidCall, e.what());
    }

    const std::string message = rejectionMessage(error.number());
    if (!message.empty()) {
        context.shell.dialogs.message(shell::kFileDescription, message, shell::Icon::None, shell::Buttons::Ok);
    } else {
        context.shell.errors.ReportWarning(error.number(), error.description(),
                                           "ControlExtend.TextChg\r" + error.source(), shell::kFileDescription);
    }
    if (context.beep) context.beep();
    if (caret > 0) {
        try {
            putBack(box, object, property, fixedWidth, caret - 1, context);
        } catch (const TaxError& e) {
            // The value cannot even be read back: the field keeps what was typed.
            context.shell.errors.ReportWarning(e.number(), e.description(), "ControlExtend.TextChg\r" + e.source(),
                                               shell::kFileDescription);
        }
    }
    return TextChgResult::Rejected;
}

}  // namespace tavrel::ui
