#pragma once
// What tests need to look at errors and money: the error a call raises, and
// money printed as exact text in failure messages.

#include "common/Currency.h"
#include "common/TaxError.h"

#include <optional>
#include <ostream>
#include <string_view>

namespace tavrel {
inline void PrintTo(const Currency& c, std::ostream* os) { *os << c.toExactText(); }
}  // namespace tavrel

namespace testsupport {

// The error a call raises, or nothing.
template <class F>
std::optional<tavrel::TaxError> errorOf(F&& f) {
    try {
        f();
    } catch (const tavrel::TaxError& e) {
        return e;
    }
    return std::nullopt;
}

// The number of the error a call raises; 0 when it raises none.
template <class F>
int errorNumberOf(F&& f) {
    const auto e = errorOf(std::forward<F>(f));
    return e ? e->number() : 0;
}

// Exact money from decimal text.
inline tavrel::Currency money(std::string_view text) { return tavrel::Currency::parseOrRaise(text); }

}  // namespace testsupport
