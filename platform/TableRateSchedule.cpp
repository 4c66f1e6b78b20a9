#include "TableRateSchedule.h"

#include "FileAccess.h"
#include "RateTable.h"
#include "TaxError.h"

#include <array>
#include <string>

namespace tavrel::platform {

void TableRateSchedule::setFile(std::string_view fullPath) {
    file_ = fullPath;
    schedule_ = nullptr;
}

void TableRateSchedule::setSchedule(std::string_view scheduleName) {
    scheduleName_ = scheduleName;
    schedule_ = nullptr;
}

namespace {

// The schedules this thread found last: a computation asks for the same few
// many times per return, and the process-wide cache behind them takes a lock
// and hashes the path. Only schedules found are kept, and those live as long
// as the process.
struct Found {
    std::string file, schedule;
    const TaxSchedule* table = nullptr;
};
constexpr std::size_t kRemembered = 8;
thread_local std::array<Found, kRemembered> recent;
thread_local std::size_t nextSlot = 0;

const TaxSchedule* recentlyFound(std::string_view file, std::string_view schedule) {
    for (const Found& f : recent)
        if (f.table && f.file == file && f.schedule == schedule) return f.table;
    return nullptr;
}

void remember(std::string_view file, std::string_view schedule, const TaxSchedule* table) {
    Found& f = recent[nextSlot];
    nextSlot = (nextSlot + 1) % kRemembered;
    f.file.assign(file);
    f.schedule.assign(schedule);
    f.table = table;
}

}  // namespace

void TableRateSchedule::load() {
    schedule_ = nullptr;
    if (file_.empty()) throw TaxError::standard(err::BadFileName, "RateSchedule.Load: no rate file has been set");
    if ((schedule_ = recentlyFound(file_, scheduleName_))) return;
    const RateTable& table = RateTable::cached(file_);
    const TaxSchedule* found = table.find(scheduleName_);
    if (!found)
        throw TaxError::standard(err::InvalidCall, "RateSchedule.Load: schedule " + quotedForMessage(scheduleName_) +
                                                       " not found in rate file " + quotedForMessage(file_));
    schedule_ = found;
    remember(file_, scheduleName_, found);
}

Currency TableRateSchedule::taxForAmount(Currency amount) {
    if (!schedule_)
        throw TaxError::standard(err::InvalidCall, "RateSchedule.TaxForAmount: no schedule has been loaded");
    return schedule_->tax(amount);
}

std::unique_ptr<RateSchedule> createRateSchedule() { return std::make_unique<TableRateSchedule>(); }

}  // namespace tavrel::platform
