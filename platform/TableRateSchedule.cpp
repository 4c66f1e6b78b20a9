#include "TableRateSchedule.h"

#include "FileAccess.h"
#include "RateTable.h"
#include "TaxError.h"

namespace tavrel::platform {

void TableRateSchedule::setFile(std::string_view fullPath) {
    file_ = fullPath;
    schedule_ = nullptr;
}

void TableRateSchedule::setSchedule(std::string_view scheduleName) {
    scheduleName_ = scheduleName;
    schedule_ = nullptr;
}

void TableRateSchedule::load() {
    schedule_ = nullptr;
    if (file_.empty()) throw TaxError::standard(err::BadFileName, "RateSchedule.Load: no rate file has been set");
    const RateTable& table = RateTable::cached(file_);
    const TaxSchedule* found = table.find(scheduleName_);
    if (!found)
        throw TaxError::standard(err::InvalidCall, "RateSchedule.Load: schedule " + quotedForMessage(scheduleName_) +
                                                       " not found in rate file " + quotedForMessage(file_));
    schedule_ = found;
}

Currency TableRateSchedule::taxForAmount(Currency amount) {
    if (!schedule_)
        throw TaxError::standard(err::InvalidCall, "RateSchedule.TaxForAmount: no schedule has been loaded");
    return schedule_->tax(amount);
}

std::unique_ptr<RateSchedule> createRateSchedule() { return std::make_unique<TableRateSchedule>(); }

}  // namespace tavrel::platform
