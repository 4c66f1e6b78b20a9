#pragma once
// The two forms of the error trap that wrap every public operation that can fail.
// Each adds its location to the error's source text and raises the same number
// again. Locations are assembled only when an error passes, so a guarded call
// costs nothing on the normal path.

#include "common/TaxError.h"

#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrel {

// A location made of up to three pieces, such as "clsInc." "Get" "LTCG".
struct Location {
    std::string_view a, b, c;
    Location(const char* s) : a(s) {}       // NOLINT: a plain literal is a location
    Location(std::string_view s) : a(s) {}  // NOLINT
    Location(std::string_view x, std::string_view y, std::string_view z = {}) : a(x), b(y), c(z) {}
    std::string str() const {
        std::string s;
        s.reserve(a.size() + b.size() + c.size());
        s.append(a).append(b).append(c);
        return s;
    }
};

namespace detail {
// Turns exceptions from the standard library into the runtime errors users know.
[[noreturn]] inline void raiseForeign(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e)) throw TaxError::standard(err::OutOfMemory, e.what());
    if (dynamic_cast<const std::out_of_range*>(&e)) throw TaxError::standard(err::SubscriptOutOfRange, e.what());
    throw TaxError::standard(err::InvalidCall, e.what());
}
}  // namespace detail

// Runs the body; an error passing through gets the location added by `mark`.
template <class Mark, class F>
decltype(auto) trapped(Mark&& mark, F&& body) {
    try {
        try {
            return body();
        } catch (TaxError&) {
            throw;
        } catch (const std::exception& e) {
            detail::raiseForeign(e);
        }
    } catch (TaxError& e) {
        mark(e);
        throw;
    }
}

// Property procedures and most routines: location, CR LF, CR LF, old source.
template <class F>
decltype(auto) guarded(const Location& where, F&& body) {
    return trapped([&](TaxError& e) { e.addPropertyLocation(where.str()); }, std::forward<F>(body));
}

// Methods whose errors leave the library: location, CR, old source, and the
// description replaced by the library's file description.
template <class F>
decltype(auto) guardedTemplate(const Location& where, std::string_view fileDescription, F&& body) {
    return trapped([&](TaxError& e) { e.addTemplateLocation(where.str(), fileDescription); }, std::forward<F>(body));
}

}  // namespace tavrel
