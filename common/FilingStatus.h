#pragma once
// Filing status codes shared by the return, the tax law and the program.

#include <cstdint>
#include <string_view>

namespace tavrel {

enum eFilingStatus : std::int32_t {
    fl_single = 1,
    fl_joint = 2,
    fl_mar_sep = 3,
    fl_head_household = 4,
    fl_qual_widow = 5,
};

enum eSpouse : std::int32_t { Sp1 = 0, Sp2 = 1 };

// The return's own short text of a status ("Single", "Joint", ...); empty for
// a qualifying widow(er) and for any value outside the enumeration.
constexpr std::string_view sFilingStatusText(std::int32_t status) {
    switch (status) {
    case fl_single: return "Single";
    case fl_joint: return "Joint";
    case fl_mar_sep: return "Married Sep.";
    case fl_head_household: return "Head of Hse.";
    default: return "";
    }
}

}  // namespace tavrel
