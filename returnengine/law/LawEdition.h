#pragma once
// Which set of law figures a computation uses. "2008 Tables" is the program's
// original set, fixed before the AMT patches of 2006-2009 and computing later
// years under 2008 law; "Enacted" computes each tax year under the law as
// finally enacted for it. A return carries its edition; it is not stored in
// the return's section of a scenario file (the planner's section holds it).

#include "common/Api.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace osgrin {

enum class LawEdition : std::uint8_t { Tables2008, Enacted };

inline constexpr LawEdition kDefaultLawEdition = LawEdition::Tables2008;

// The edition's name as a scenario file stores it: "2008 Tables" or "Enacted".
constexpr std::string_view lawEditionText(LawEdition e) { return e == LawEdition::Enacted ? "Enacted" : "2008 Tables"; }

// The edition a stored name (any case, surrounding blanks ignored) stands for.
OSGRIN_API std::optional<LawEdition> lawEditionFromText(std::string_view text);

// The edition a command-line value stands for: "tables" or "enacted", any case.
OSGRIN_API std::optional<LawEdition> lawEditionFromSwitch(std::string_view value);

// The last tax year the newest law the program carries covers (2026): the
// program is out of date once that year's returns are being filed.
OSGRIN_API int newestLawYear();

}  // namespace osgrin
