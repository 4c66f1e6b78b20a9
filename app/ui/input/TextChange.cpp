#include "ui/input/TextChange.h"

#include "input/AmountEntry.h"

#include "base/ProgramInfo.h"

#include "common/FixedText.h"
#include "common/TaxError.h"

#include <QLineEdit>

namespace tavrel::ui {
namespace {

// Puts a text into the box with the caret at `caret`; the change this raises
// writes the field once more, and counts as no new edit.
void putBackText(QLineEdit& box, const QString& text, int caret, EditContext& context) {
    const bool outer = context.restoring;
    context.restoring = true;
    box.setText(text);
    context.restoring = outer;
    box.setCursorPosition(caret);
}

// Puts the property's value back into the text box.
void putBack(QLineEdit& box, const PropertyBag& object, std::string_view property, bool fixedWidth, int caret,
             EditContext& context) {
    const std::string value = object.getProperty(property);
    const std::string_view shown = fixedWidth ? tavrel::trimRight(value) : std::string_view(value);
    putBackText(box, QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())), caret, context);
}

int caretOf(const QLineEdit& box) { return box.hasSelectedText() ? box.selectionStart() : box.cursorPosition(); }

// The message of an expected rejection, or the warning of any other error,
// and the beep.
void complain(const QLineEdit& box, const TaxError& error, EditContext& context) {
    const std::string message = rejectionMessage(error.number());
    if (!message.empty()) {
        context.shell.dialogs.message(shell::kFileDescription, message, shell::Icon::None, shell::Buttons::Ok);
    } else {
        // The control leads the chain so that the message can name the field.
        context.shell.errors.ReportWarning(
            error.number(), error.description(),
            "frmIP." + box.objectName().toStdString() + "_Change\rControlExtend.TextChg\r" + error.source(),
            shell::kFileDescription);
    }
    if (context.beep) context.beep();
}

// The field gets back its last good text: the unfinished number it showed, or
// else the property's value.
void restore(QLineEdit& box, PropertyBag& object, std::string_view property, bool fixedWidth, int caret,
             EditContext& context) {
    if (const auto it = context.unfinished.find(&box); it != context.unfinished.end()) {
        putBackText(box, QString(it->second), caret, context);
        return;
    }
    try {
        putBack(box, object, property, fixedWidth, caret, context);
    } catch (const TaxError& e) {
        // The value cannot even be read back: the field keeps what was typed.
        context.shell.errors.ReportWarning(e.number(), e.description(), "ControlExtend.TextChg\r" + e.source(),
                                           shell::kFileDescription);
    }
}

TextChgResult assign(QLineEdit& box, PropertyBag& object, std::string_view property, const std::string& text,
                     bool fixedWidth, EditContext& context) {
    const int caret = caretOf(box);
    TaxError error(0, {}, {});
    try {
        object.letProperty(property, text);
        return TextChgResult::Accepted;
    } catch (const TaxError& e) {
        error = e;
    } catch (const std::exception& e) {
        error = TaxError::standard(err::InvalidCall, e.what());
    }
    complain(box, error, context);
    if (caret > 0) restore(box, object, property, fixedWidth, caret - 1, context);
    return TextChgResult::Rejected;
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
    return assign(box, object, property, text.toStdString(), fixedWidth, context);
}

TextChgResult FieldChg(QLineEdit& box, PropertyBag& object, const fields::Field& field, EditContext& context) {
    const fields::EntryRule rule = fields::entryRule(field);
    if (rule == fields::EntryRule::AsTyped)
        return TextChg(box, object, field.property, fields::fixedWidth(field.kind), context);

    const fields::AmountEntry entry =
        fields::classifyAmount(box.text().toStdString(), rule == fields::EntryRule::Money);
    switch (entry.state) {
    case fields::EntryState::Incomplete: context.unfinished[&box] = box.text(); return TextChgResult::NotSent;
    case fields::EntryState::Complete: {
        const TextChgResult r = assign(box, object, field.property, entry.text, false, context);
        // Accepted, the property holds the text; refused, the last good text is back.
        if (r == TextChgResult::Accepted) context.unfinished.erase(&box);
        return r;
    }
    case fields::EntryState::Invalid: break;
    }
    // Refused as the object refuses a text that is no number.
    const int caret = caretOf(box);
    complain(box, TaxError::standard(err::NotANumber, {}), context);
    if (caret > 0) restore(box, object, field.property, false, caret - 1, context);
    return TextChgResult::Rejected;
}

bool NumberFieldLeft(QLineEdit& box, const fields::Field& field, EditContext& context) {
    const fields::EntryRule rule = fields::entryRule(field);
    const bool unfinished = context.unfinished.erase(&box) > 0;
    if (rule == fields::EntryRule::AsTyped || !unfinished) return false;
    if (fields::classifyAmount(box.text().toStdString(), rule == fields::EntryRule::Money).state !=
        fields::EntryState::Incomplete)
        return false;
    complain(box, TaxError::standard(err::NotANumber, {}), context);
    return true;
}

}  // namespace tavrel::ui
