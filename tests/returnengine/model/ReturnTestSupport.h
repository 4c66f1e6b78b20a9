#pragma once
// Small helpers shared by the return-engine tests.

#include "TaxError.h"
#include "iTop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

inline tavrel::Currency money(std::string_view text) { return tavrel::Currency::parseOrRaise(text); }

}  // namespace testsupport
