#include "platform/TableRateSchedule.h"

#include "platform/FileAccess.h"
#include "platform/RateTable.h"
#include "common/TaxError.h"

#include <array>
#include <cstdint>
#include <cstring>
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

// The schedules this thread has found, by the file and the schedule asked for:
// a computation asks for a few of them many times per return, and the
// process-wide cache behind them takes a lock and hashes the path. The table
// is indexed by a cheap mix of the names' ends (paths differ in the year near
// the end) and each slot is checked against the names in full. Only schedules
// found are kept, and those live as long as the process.
struct Found {
    std::string file, schedule;
    const TaxSchedule* table = nullptr;
};
constexpr std::size_t kSlots = 256;
constexpr std::size_t kProbes = 4;  // a name pair may sit in its slot or the next three
thread_local std::array<Found, kSlots> slots;

// The last eight characters of a name (all of a shorter one), as a number.
std::uint64_t tail(std::string_view name) {
    std::uint64_t v = 0;
    if (name.size() >= 8)
        std::memcpy(&v, name.data() + name.size() - 8, 8);
    else
        std::memcpy(&v, name.data(), name.size());
    return v;
}

std::size_t firstSlot(std::string_view file, std::string_view schedule) {
    const std::uint64_t mix = (tail(file) + file.size()) * 0x9E3779B97F4A7C15ULL ^
                              (tail(schedule) + (schedule.size() << 32)) * 0xC2B2AE3D27D4EB4FULL;
    return static_cast<std::size_t>(mix >> 40) % kSlots;
}

const TaxSchedule* recentlyFound(std::string_view file, std::string_view schedule) {
    const std::size_t first = firstSlot(file, schedule);
    for (std::size_t i = 0; i < kProbes; ++i) {
        const Found& f = slots[(first + i) % kSlots];
        if (!f.table) return nullptr;
        if (f.file == file && f.schedule == schedule) return f.table;
    }
    return nullptr;
}

void remember(const RateTable& file, const TaxSchedule* table) {
    const std::size_t first = firstSlot(file.path(), table->name());
    std::size_t slot = first;
    for (std::size_t i = 0; i < kProbes; ++i)
        if (!slots[(first + i) % kSlots].table) {
            slot = (first + i) % kSlots;
            break;
        }
    slots[slot] = {file.path(), table->name(), table};
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
    remember(table, found);
}

Currency TableRateSchedule::taxForAmount(Currency amount) {
    if (!schedule_)
        throw TaxError::standard(err::InvalidCall, "RateSchedule.TaxForAmount: no schedule has been loaded");
    return schedule_->tax(amount);
}

std::unique_ptr<RateSchedule> createRateSchedule() { return std::make_unique<TableRateSchedule>(); }

}  // namespace tavrel::platform
