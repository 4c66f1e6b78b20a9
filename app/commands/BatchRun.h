#pragma once
// The client book run, "tavrel /batch FILE.amt ... | FOLDER ...": analyses
// every scenario on all cores, each in a planner of its own and without
// writing any scenario file, and writes one row per scenario in the order
// given (a folder's .amt files sorted by name) as CSV or JSON. A scenario that
// cannot be analysed gets its error in its row; the others go on.

#include "returnengine/law/LawEdition.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tavrel::shell {

struct BatchRequest {
    std::vector<std::string> items;         // scenario files and folders (not searched below)
    std::string outputFile;                 // empty: standard output
    bool json = false;                      // the JSON document instead of CSV
    std::optional<osgrin::LawEdition> law;  // empty: each scenario's own
    std::optional<std::int16_t> planYear;   // empty: each scenario's own
    unsigned threads = 0;                   // 0: one per core
    // "analysed N of M" on standard error as the rows finish; empty: only when
    // standard error is a terminal, so that logs and pipes get none of it.
    std::optional<bool> progress;
};

// Returns the exit status: 0 when every scenario was analysed and the book
// written, 1 when any scenario could not be analysed or the book not written.
int RunBatch(const BatchRequest& request, std::ostream& standardOutput, std::ostream& standardError);

}  // namespace tavrel::shell
