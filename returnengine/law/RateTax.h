#pragma once
// The rate-schedule component as the tax-law code uses it: one instance per
// computation, called in the order each routine needs. Instances live on the
// stack; the parsed schedules are cached by the component, so no file is read
// and nothing is allocated here.

#include "common/Currency.h"
#include "platform/TableRateSchedule.h"

#include <string_view>

namespace osgrin {

using tavrel::Currency;

// A schedule opened (file, schedule, load) before the amount is known, as the
// capital-gain worksheets use it.
class ScheduleTax {
public:
    ScheduleTax(std::string_view file, std::string_view schedule) {
        component_.setFile(file);
        component_.setSchedule(schedule);
        component_.load();
    }
    // Set the amount, then the tax for it.
    Currency taxOn(Currency amount) {
        component_.setAmount(amount);
        return component_.taxForAmount(amount);
    }

private:
    tavrel::platform::TableRateSchedule component_;
};

// File, schedule, amount, load, then the tax: the order of the regular and AMT rate routines.
inline Currency scheduleTax(std::string_view file, std::string_view schedule, Currency amount) {
    tavrel::platform::TableRateSchedule component;
    component.setFile(file);
    component.setSchedule(schedule);
    component.setAmount(amount);
    component.load();
    return component.taxForAmount(amount);
}

}  // namespace osgrin
