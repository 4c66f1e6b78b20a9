#pragma once
// What a scenario must hold before its reports can run, checked before the run
// starts: a plain message naming the field, and the field to open the input
// form on.

#include <optional>
#include <string>
#include <string_view>

namespace mirvane {
class AMT;
}

namespace tavrel::ui::fields {

struct MissingInput {
    std::string_view control;  // the field to put the focus on
    int index;
    std::string message;
};

// The first thing missing, in the order of the form; nothing when the reports can run.
std::optional<MissingInput> missingInput(const mirvane::AMT& planner);

}  // namespace tavrel::ui::fields
