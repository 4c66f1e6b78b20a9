#pragma once
// Small helpers shared by the tax-law tests: building a return in an edit,
// writing inputs as text, and printing money in failure messages.

#include "returnengine/model/iTop.h"

#include "common/Currency.h"
#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace lawtest {

using osgrin::iTop;
using tavrel::Currency;
using tavrel::usd;

// An exact amount given in cents, e.g. cents(616925) is 6,169.25.
inline Currency cents(std::int64_t c) { return Currency::fromScaled(c * 100); }
// An exact amount given as decimal text, e.g. money("3770.26").
using testsupport::money;

// Opens an edit on the return and sets its year, filing status and number of exemptions.
inline void open(iTop& r, int year, int status, int dependents = 1) {
    r.BeginEdit();
    r.letProperty("TaxYear", std::to_string(year));
    r.letProperty("FilingStatus", std::to_string(status));
    r.letProperty("Dependents", std::to_string(dependents));
}

// Short names for the filing statuses in generated test names.
inline std::string statusName(int status) {
    switch (status) {
    case 1: return "Single";
    case 2: return "Joint";
    case 3: return "MarSep";
    case 4: return "Head";
    case 5: return "Widow";
    default: return "Status" + std::to_string(status);
    }
}

}  // namespace lawtest
