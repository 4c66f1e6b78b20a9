#include "input/AmountEntry.h"

namespace tavrel::ui::fields {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text left to right. Every step either takes the character or finds
// that nothing typed after it can make the text a number; at the end the text
// is complete, or still on its way to a number.
class Scanner {
public:
    Scanner(std::string_view text, bool dollarSign) : t_(text), dollarSign_(dollarSign) {}

    AmountEntry run() {
        skipBlanks();
        if (!prefix() || !wholeDollars() || !fraction() || !exponent()) return invalid();
        skipBlanks();
        if (i_ < t_.size()) return invalid();
        if (incomplete_ || digits_ == 0) return {EntryState::Incomplete, {}};
        return {EntryState::Complete, std::move(out_)};
    }

private:
    bool atEnd() const { return i_ == t_.size(); }
    char peek() const { return t_[i_]; }
    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) ++i_;
    }
    static AmountEntry invalid() { return {EntryState::Invalid, {}}; }

    // The sign and the dollar sign, once each, in either order, with blanks
    // between them and the digits.
    bool prefix() {
        bool sign = false, dollar = false;
        for (; !atEnd(); ++i_) {
            const char c = peek();
            if ((c == '+' || c == '-') && !sign) {
                sign = true;
                if (c == '-') out_ += '-';
            } else if (c == '$' && dollarSign_ && !dollar) {
                dollar = true;
            } else if (!isBlank(c)) {
                break;
            }
        }
        return true;
    }

    // Plain digits, or a first group of one to three digits followed by
    // comma-separated groups of three. A group still short of three digits at
    // the end of the text is on its way; anywhere else it is a mistake.
    bool wholeDollars() {
        std::size_t group = 0;  // digits since the last comma, or since the start
        bool grouped = false;
        for (; !atEnd(); ++i_) {
            const char c = peek();
            if (isDigit(c)) {
                if (grouped && group == 3) return false;
                ++group;
                ++digits_;
                out_ += c;
            } else if (c == ',') {
                if (group == 0 || (!grouped && group > 3) || (grouped && group != 3)) return false;
                grouped = true;
                group = 0;
            } else {
                break;
            }
        }
        if (grouped && group != 3) {
            if (!atEnd()) return false;
            incomplete_ = true;
        }
        return true;
    }

    bool fraction() {
        if (atEnd() || peek() != '.') return true;
        out_ += '.';
        for (++i_; !atEnd() && isDigit(peek()); ++i_) {
            ++digits_;
            out_ += peek();
        }
        return true;
    }

    bool exponent() {
        if (atEnd() || (peek() != 'e' && peek() != 'E')) return true;
        if (digits_ == 0) return false;  // "e5" is no number, whatever follows
        out_ += 'e';
        ++i_;
        if (!atEnd() && (peek() == '+' || peek() == '-')) out_ += t_[i_++];
        const std::size_t first = i_;
        for (; !atEnd() && isDigit(peek()); ++i_) out_ += peek();
        if (i_ == first) {
            if (!atEnd()) return false;
            incomplete_ = true;
        }
        return true;
    }

    std::string_view t_;
    bool dollarSign_;
    std::size_t i_ = 0;
    std::size_t digits_ = 0;  // digits of the whole dollars and the fraction
    bool incomplete_ = false;
    std::string out_;
};

}  // namespace

AmountEntry classifyAmount(std::string_view typed, bool dollarSign) { return Scanner(typed, dollarSign).run(); }

EntryRule entryRule(const Field& field) {
    switch (field.kind) {
    case Kind::Amount: return EntryRule::Money;
    case Kind::Count: return EntryRule::Number;
    // Of the two planner options the deferral limit is money; the discount
    // rate is a percentage, where a dollar sign is a slip, not a format.
    case Kind::Option: return field.property == "MaxItemizedTaxDeferred" ? EntryRule::Money : EntryRule::Number;
    case Kind::Name:
    case Kind::FreeText:
    case Kind::Flag:
    case Kind::Choice:
    case Kind::Year:
    case Kind::Action: break;
    }
    return EntryRule::AsTyped;
}

}  // namespace tavrel::ui::fields
