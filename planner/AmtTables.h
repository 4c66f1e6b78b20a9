#pragma once
// The planner's tables that other code walks: its section's keys in order and
// the list of inputs copied from the entered returns into the working returns.

#include "returnengine/model/Persist.h"

#include <span>
#include <string_view>

namespace mirvane {

// Property names of the planner's section "AMT", in the order they are stored.
std::span<const std::string_view> amtSectionOrder();

struct CopiedProperty {
    osgrin::Persist::Holder holder;
    std::string_view name;
};
// The return inputs CopyObject copies, in copy order.
std::span<const CopiedProperty> copiedProperties();

}  // namespace mirvane
