#pragma once
// The rate-schedule component over rate files (format: see RateTable.h).
//
// An analysis creates thousands of these, so the instance is light: setFile and
// setSchedule keep the caller's views without copying (the caller's strings
// must outlive the instance), and load() finds the file in the process-wide
// cache without touching the disk after the file's first use.
//
// Errors (TaxError):
//   52  load() before setFile
//   53  the rate file is missing:  RateSchedule.Load: rate file "<path>" not found
//   75  the rate file cannot be read (source gives the path and the reason)
//    5  no schedule of that name:  RateSchedule.Load: schedule "<name>" not found in rate file "<path>"
//    5  the file is malformed:     RateSchedule.Load: rate file "<path>" line <n>: <problem>
//    5  taxForAmount before a successful load()

#include "common/RateSchedule.h"
#include "platform/TaxSchedule.h"

#include <memory>
#include <string_view>

namespace tavrel::platform {

class TableRateSchedule final : public RateSchedule {
public:
    // Changing the file or the schedule undoes an earlier load().
    void setFile(std::string_view fullPath) override;
    void setSchedule(std::string_view scheduleName) override;
    void setAmount(Currency amount) override { amount_ = amount; }
    void load() override;
    Currency taxForAmount(Currency amount) override;

    Currency amount() const noexcept { return amount_; }
    // The loaded schedule, or nullptr before a successful load().
    const TaxSchedule* schedule() const noexcept { return schedule_; }

private:
    std::string_view file_;
    std::string_view scheduleName_;
    Currency amount_;
    const TaxSchedule* schedule_ = nullptr;  // owned by the process-wide cache
};

// A new rate-schedule component.
std::unique_ptr<RateSchedule> createRateSchedule();

}  // namespace tavrel::platform
