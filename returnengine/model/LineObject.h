#pragma once
// The common shape of the return and its sub-objects: an array of money lines,
// each with a rule that says how its setter behaves (edit-gated or not, what
// text that is not a number does, which flags it touches), plus the edit flags.
//
// Law code reads and writes the lines typed: get() is the exact amount, whole()
// is exactly what parsing the property's "##,###,##0" text would give (whole
// dollars, halves away from zero), set() is the library-internal setter. Text
// access goes through the property table with the class's error location.

#include "returnengine/model/EditFlags.h"
#include "returnengine/model/OsgrinInfo.h"

#include "common/Currency.h"
#include "common/ErrorTrap.h"
#include "common/NumericText.h"
#include "common/PropertyBag.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace osgrin {

using tavrel::Currency;

// What a setter does with text that is not a number.
enum class BadText : std::uint8_t {
    NotANumber,    // raises 10002 "This item needs to be a number."
    TypeMismatch,  // raises the conversion error (13)
    StoreZero,     // stores 0
};

struct LineRule {
    std::string_view name;
    bool publicLet;  // a setter callers outside the library may use
    bool gated;      // acts only while the object is being edited
    BadText onBad;
    bool setsDirty;
    bool clearsCalculated;
    std::string_view fileKey = {};  // key in a scenario file; empty when not stored
};

namespace rule {
// A user input: edit-gated, 10002 on bad text, dirty on, calculated off.
constexpr LineRule input(std::string_view n, std::string_view key = {}) {
    return {n, true, true, BadText::NotANumber, true, true, key};
}
// A computed line whose internal setter follows the input pattern.
constexpr LineRule gated(std::string_view n) { return {n, false, true, BadText::NotANumber, true, true}; }
// A computed line stored at any time that still marks the object changed.
constexpr LineRule ungatedMarking(std::string_view n) { return {n, false, false, BadText::NotANumber, true, true}; }
// A computed line stored at any time that touches no flag (13 on bad text).
constexpr LineRule plain(std::string_view n) { return {n, false, false, BadText::TypeMismatch, false, false}; }
}  // namespace rule

template <class Derived, std::size_t N>
class LineObject : public tavrel::PropertyBag {
public:
    static constexpr std::size_t kLineCount = N;

    // Exact amount of a line.
    Currency get(std::size_t line) const { return lines_[line]; }
    // The amount as read back through the property: whole dollars, halves away from zero.
    Currency whole(std::size_t line) const { return lines_[line].roundDollarsAwayFromZero(); }
    // The property's text, "##,###,##0".
    std::string text(std::size_t line) const { return lines_[line].toPatternText(); }

    // Library-internal setter of a line, following the line's rule.
    void set(std::size_t line, Currency value) {
        const LineRule& r = Derived::kRules[line];
        if (r.gated && !flags_.editing) return;
        lines_[line] = value;
        if (r.setsDirty) flags_.dirty = true;
        if (r.clearsCalculated) flags_.calculated = false;
    }

    // Public text setter of a line (inputs and the few public computed lines).
    void let(std::size_t line, std::string_view textValue) {
        const LineRule& r = Derived::kRules[line];
        tavrel::guarded(tavrel::Location(Derived::kLocation, "Let", r.name), [&] {
            if (!r.publicLet) throw tavrel::TaxError::standard(tavrel::err::NotSupported, std::string(kProjectName));
            letUnguarded(line, textValue);
        });
    }

    // The public setter given an amount instead of text: the same gating and
    // flags as let(), without formatting and parsing text (the analysis moves
    // amounts a thousand times per search).
    void letAmount(std::size_t line, Currency value) {
        const LineRule& r = Derived::kRules[line];
        if (!r.publicLet) {
            throw tavrel::TaxError::standard(tavrel::err::NotSupported,
                                             std::string(Derived::kLocation) + "Let" + std::string(r.name));
        }
        if (r.gated && !flags_.editing) return;
        if (!value.hasStorableText()) {
            throw tavrel::TaxError::standard(tavrel::err::Overflow,
                                             std::string(Derived::kLocation) + "Let" + std::string(r.name));
        }
        set(line, value);
    }

    // Stores a line whatever the edit state, touching no flag: only for putting
    // back a value the library itself changed for a moment.
    void store(std::size_t line, Currency value) { lines_[line] = value; }

    // The internal setter given text, as the restoring steps of the law use it.
    void setFromText(std::size_t line, std::string_view textValue) {
        const LineRule& r = Derived::kRules[line];
        if (r.gated && !flags_.editing) return;
        set(line, parseFor(r, textValue));
    }

    const EditFlags& flags() const { return flags_; }
    EditFlags& flags() { return flags_; }
    bool isEditing() const { return flags_.editing; }
    bool isDirty() const { return flags_.dirty; }
    bool isCalculated() const { return flags_.calculated; }

    // Index of a line by property name, or N when there is none.
    static std::size_t lineIndex(std::string_view name) {
        for (std::size_t i = 0; i < N; ++i)
            if (tavrel::sameNameNoCase(Derived::kRules[i].name, name)) return i;
        return N;
    }

    // The scenario-file key of a property and the value a load uses without it;
    // an empty key when the property is not stored.
    struct FileKey {
        std::string_view key, defaultValue;
    };
    static FileKey fileKey(std::string_view name) {
        const std::size_t i = lineIndex(name);
        if (i < N) return {Derived::kRules[i].fileKey, "0"};
        if (const auto* p = findExtra(name)) return {p->fileKey, p->fileDefault};
        return {};
    }

    std::string getProperty(std::string_view name) const override {
        return tavrel::guarded(tavrel::Location(Derived::kLocation, "Get", name), [&]() -> std::string {
            const std::size_t i = lineIndex(name);
            if (i < N) return text(i);
            const auto* p = findExtra(name);
            if (!p || !p->get) tavrel::raiseNoSuchProperty(name);
            return p->get(static_cast<const Derived&>(*this));
        });
    }

    void letProperty(std::string_view name, std::string_view textValue) override {
        tavrel::guarded(tavrel::Location(Derived::kLocation, "Let", name), [&] {
            const std::size_t i = lineIndex(name);
            if (i < N) {
                if (!Derived::kRules[i].publicLet) tavrel::raiseNoSuchProperty(name);
                letUnguarded(i, textValue);
                return;
            }
            const auto* p = findExtra(name);
            if (!p || !p->let) tavrel::raiseNoSuchProperty(name);
            p->let(static_cast<Derived&>(*this), textValue);
        });
    }

protected:
    // Properties besides the money lines: the class's own, then (for sub-objects)
    // the shared edit-flag properties.
    static const tavrel::PropertySpec<Derived>* findExtra(std::string_view name);

    static Currency parseFor(const LineRule& r, std::string_view textValue) {
        const auto p = Currency::parse(textValue);
        switch (p.status) {
        case Currency::ParseStatus::Ok:
            if (!Currency::fromScaled(p.scaled).hasStorableText())
                throw tavrel::TaxError::standard(tavrel::err::Overflow, std::string(kProjectName));
            return Currency::fromScaled(p.scaled);
        case Currency::ParseStatus::Overflow:
            throw tavrel::TaxError::standard(tavrel::err::Overflow, std::string(kProjectName));
        case Currency::ParseStatus::NotANumber: break;
        }
        switch (r.onBad) {
        case BadText::StoreZero: return Currency();
        case BadText::TypeMismatch:
            throw tavrel::TaxError::standard(tavrel::err::TypeMismatch, std::string(kProjectName));
        case BadText::NotANumber: break;
        }
        throw tavrel::TaxError(tavrel::err::NotANumber, "This item needs to be a number.", std::string(kProjectName));
    }

    void letUnguarded(std::size_t line, std::string_view textValue) {
        const LineRule& r = Derived::kRules[line];
        if (r.gated && !flags_.editing) return;  // ignored outside an edit, without an error
        set(line, parseFor(r, textValue));
    }

    // An input of the object other than a money line (a flag, a count, a
    // year): edit-gated, dirty on, calculated off.
    template <class T>
    void letInput(T& field, T value) {
        if (!flags_.editing) return;
        field = value;
        flags_.dirty = true;
        flags_.calculated = false;
    }
    void letInputFlag(bool& field, bool value) { letInput(field, value); }

    std::array<Currency, N> lines_{};
    EditFlags flags_;
};

// The flag properties that every sub-object shares: IsEditing (write only),
// IsCalculated and IsDirty; each setter sets only its own flag.
template <class D>
inline constexpr tavrel::PropertySpec<D> kSubObjectFlagProperties[] = {
    {"IsEditing", nullptr, [](D& o, std::string_view t) { o.flags().editing = tavrel::toFlag(t); }},
    {"IsCalculated", [](const D& o) -> std::string { return tavrel::flagText(o.isCalculated()); },
     [](D& o, std::string_view t) { o.flags().calculated = tavrel::toFlag(t); }},
    {"IsDirty", [](const D& o) -> std::string { return tavrel::flagText(o.isDirty()); },
     [](D& o, std::string_view t) { o.flags().dirty = tavrel::toFlag(t); }},
};

template <class Derived, std::size_t N>
const tavrel::PropertySpec<Derived>* LineObject<Derived, N>::findExtra(std::string_view name) {
    if (const auto* p = tavrel::findProperty(Derived::extraProperties(), name)) return p;
    if constexpr (Derived::kIsSubObject)
        return tavrel::findProperty(std::span<const tavrel::PropertySpec<Derived>>(kSubObjectFlagProperties<Derived>),
                                    name);
    return nullptr;
}

}  // namespace osgrin
