#include "input/MissingInput.h"

#include "input/FieldTable.h"

#include "planner/AMT.h"

namespace tavrel::ui::fields {
namespace {

bool validStatus(std::int32_t status) {
    return status >= 1 && status <= static_cast<std::int32_t>(kFilingStatusTexts.size());
}

}  // namespace

std::optional<MissingInput> missingInput(const mirvane::AMT& planner) {
    // The rate schedules are chosen by the status: without one no tax can be computed.
    if (!validStatus(planner.cur().FilingStatus()) || !validStatus(planner.nxt().FilingStatus()))
        return MissingInput{"lstFileStat", -1,
                            "Filing Status: no filing status is chosen. Choose one on the Initial Inputs page."};
    const auto& v = planner.values();
    // A search up to nothing has nothing to find.
    if (v.DecreaseItemizedTax && v.DeferItemizedTax && v.MaxItemizedTaxDeferred.isZero()) {
        const Field* f = findField("txtMaxInc");
        return MissingInput{f->control, f->index,
                            std::string(f->caption) +
                                ": the amount is 0, so there is nothing to defer. Enter the most of this year's "
                                "state and local taxes that could be paid next year."};
    }
    return std::nullopt;
}

}  // namespace tavrel::ui::fields
