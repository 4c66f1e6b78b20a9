#pragma once
// The rate-schedule component: the tax on an amount by a graduated schedule read
// from a rate file. One instance per computation: set file, set schedule, set
// amount and load (either order), then the tax for that amount.

#include "common/Currency.h"

#include <string_view>

namespace tavrel {

class RateSchedule {
public:
    virtual ~RateSchedule() = default;
    virtual void setFile(std::string_view fullPath) = 0;
    virtual void setSchedule(std::string_view scheduleName) = 0;
    virtual void setAmount(Currency amount) = 0;
    // Makes the named schedule ready; a missing file or schedule raises an error naming it.
    virtual void load() = 0;
    virtual Currency taxForAmount(Currency amount) = 0;
};

}  // namespace tavrel
