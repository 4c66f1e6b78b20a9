#pragma once
// Definitions of the per-year entry points: each runs the shared rule with the
// year's figures under the trap that names it. Only the CalcsYYYY.cpp files use this.

#include "Calcs.h"
#include "LawTrap.h"
#include "YearLaw.h"
#include "YearRules.h"

#define OSGRIN_ENTRY(Y, NAME, BODY) lawTrap("Calcs" #Y "." NAME, [&] { return BODY; })

#define OSGRIN_DEFINE_COMMON_YEAR(Y)                                                                               \
    Currency StdDed##Y(iTop& r) { return OSGRIN_ENTRY(Y, "StdDed" #Y, law::rules::stdDed(r, law::yearLaw(Y))); }  \
    Currency CalcExemptionDedGross##Y(iTop& r) {                                                                   \
        return OSGRIN_ENTRY(Y, "CalcExemptionDedGross" #Y, law::rules::exemptionDedGross(r, law::yearLaw(Y)));    \
    }                                                                                                              \
    Currency CalcExemptionDedPhaseOut##Y(iTop& r) {                                                                \
        return OSGRIN_ENTRY(Y, "CalcExemptionDedPhaseOut" #Y, law::rules::exemptionDedPhaseOut(r, law::yearLaw(Y))); \
    }                                                                                                              \
    Currency ItemDedPhaseOut##Y(iTop& r) {                                                                         \
        return OSGRIN_ENTRY(Y, "ItemDedPhaseOut" #Y, law::rules::itemDedPhaseOut(r, law::yearLaw(Y)));            \
    }                                                                                                              \
    Currency LimitIRADed4Spouse##Y(iTop& r, bool spouse2) {                                                        \
        return OSGRIN_ENTRY(Y, "LimitIRADed4Spouse" #Y, law::rules::limitIRADed4Spouse(r, law::yearLaw(Y), spouse2)); \
    }                                                                                                              \
    Currency GetSchedDTax##Y(iTop& r) {                                                                            \
        return OSGRIN_ENTRY(Y, "GetSchedDTax" #Y, law::rules::schedDTax(r, law::yearLaw(Y)));                     \
    }                                                                                                              \
    Currency CalcSETax##Y(iTop& r, int spouse) {                                                                   \
        return OSGRIN_ENTRY(Y, "CalcSETax" #Y, law::rules::seTax(r, law::yearLaw(Y), spouse));                    \
    }

#define OSGRIN_DEFINE_CHILD_CREDIT(Y, NAME) \
    Currency NAME(iTop& r) { return OSGRIN_ENTRY(Y, #NAME, law::rules::childCredit(r, law::yearLaw(Y))); }

#define OSGRIN_DEFINE_AMT_EXEMPTION(Y)                                                                      \
    Currency CalcAMTExemption##Y(iTop& r, AmtWorkRecord& record) {                                          \
        return OSGRIN_ENTRY(Y, "CalcAMTExemption" #Y, law::rules::amtExemption(r, law::yearLaw(Y), record)); \
    }

#define OSGRIN_DEFINE_AMT_CAPGAIN(Y)                                                              \
    Currency CalcAMTCapGainTax##Y(iTop& r, AmtWorkRecord& record) {                               \
        return OSGRIN_ENTRY(Y, "CalcAMTCapGainTax" #Y, law::rules::amtCapGainTax(r, record));     \
    }

#define OSGRIN_DEFINE_FICA(Y)                                                                                     \
    Currency CalcFica##Y(std::string_view wages) {                                                                \
        return OSGRIN_ENTRY(Y, "CalcFica" #Y,                                                                     \
                            law::rules::fica(Currency::convertOrRaise(wages), law::yearLaw(Y)));                  \
    }
