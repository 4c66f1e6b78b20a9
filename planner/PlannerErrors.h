#pragma once
// The planner's own errors and its trap: its messages travel as the error's
// source text, and its methods put "Template." locations in front.

#include "common/Api.h"

#include "planner/MirvaneInfo.h"

#include "common/ErrorTrap.h"
#include "common/NumericText.h"
#include "common/PropertyBag.h"

#include <cstdio>
#include <span>
#include <string>

namespace mirvane {

class AMT;

inline tavrel::TaxError plannerError(int number) {
    return tavrel::TaxError::standard(number, std::string(tavrel::standardDescription(number)));
}
inline tavrel::TaxError plannerNotANumber() { return plannerError(tavrel::err::NotANumber); }

// Text to money for the planner's setters: 10002 when not a number, 6 on
// overflow (also for an amount whose saved whole-dollar text would overflow).
inline tavrel::Currency plannerMoney(std::string_view text) {
    const auto p = tavrel::Currency::parse(text);
    if (p.status == tavrel::Currency::ParseStatus::NotANumber) throw plannerNotANumber();
    if (p.status == tavrel::Currency::ParseStatus::Overflow ||
        !tavrel::Currency::fromScaled(p.scaled).hasStorableText())
        throw tavrel::TaxError::standard(tavrel::err::Overflow, std::string(kProjectName));
    return tavrel::Currency::fromScaled(p.scaled);
}

// "##0.00%": the fraction as a percentage with two decimals, halves away from zero.
inline std::string percentText(double fraction) {
    const tavrel::Currency pct = tavrel::Currency::fromDouble4(fraction * 100.0);
    std::int64_t hundredths = pct.scaled() / 100;
    const std::int64_t rest = pct.scaled() % 100;
    if (rest >= 50) ++hundredths;
    if (rest <= -50) --hundredths;
    const std::int64_t mag = hundredths < 0 ? -hundredths : hundredths;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%lld.%02lld%%", hundredths < 0 ? "-" : "", static_cast<long long>(mag / 100),
                  static_cast<long long>(mag % 100));
    return buf;
}

template <class F>
decltype(auto) templateTrap(const char* location, F&& body) {
    return tavrel::guardedTemplate(location, kFileDescription, std::forward<F>(body));
}

// The planner's property table (names, text forms, file keys).
MIRVANE_API std::span<const tavrel::PropertySpec<AMT>> amtProperties();

}  // namespace mirvane
