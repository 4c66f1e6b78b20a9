#include "calc/CalcWorker.h"

#include "calc/CsvLines.h"
#include "calc/InOrderOutput.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace tavrel::calc {
namespace {

// Many runs per thread: a thread whose rows come cheap takes another run
// instead of waiting for the slowest, and the output is written while the
// rows after it are still being computed.
constexpr std::size_t kRunsPerThread = 32;

}  // namespace

RowWorker::RowWorker(const ColumnLayout& layout, osgrin::LawEdition law)
    : layout_(layout), reader_(layout), return_(law) {}

std::size_t RowWorker::computeRows(std::string_view lines, TextBuffer& out) {
    std::size_t failed = 0;
    std::string_view line;
    while (takeLine(lines, line)) {
        if (isBlankLine(line)) continue;
        std::optional<RowError> error = reader_.read(line, row_);
        if (!error) error = return_.load(row_, layout_);
        if (!error) error = return_.compute(figures_);
        if (error) {
            writeFailure(out, row_.id, row_.year, *error);
            ++failed;
        } else {
            writeResult(out, row_.id, row_.year, figures_);
        }
    }
    return failed;
}

std::size_t computeAll(std::string_view rows, const ColumnLayout& layout, osgrin::LawEdition law, unsigned threads,
                       ResultSink& output) {
    if (threads == 0) threads = 1;
    const std::vector<std::string_view> runs = splitAtLines(rows, std::size_t{threads} * kRunsPerThread);
    InOrderOutput inOrder(runs.size(), output);
    std::atomic<std::size_t> next{0}, failed{0};
    std::exception_ptr firstProblem;
    std::atomic_flag problemTaken;

    auto work = [&] {
        try {
            RowWorker worker(layout, law);
            for (std::size_t i = next++; i < runs.size(); i = next++) {
                TextBuffer results = inOrder.spareBuffer();
                // An output row is about one and a half times its input row; room
                // for twice the input saves growing the buffer.
                results.reserve(2 * runs[i].size());
                failed += worker.computeRows(runs[i], results);
                inOrder.finished(i, std::move(results));
            }
        } catch (...) {
            // Out of memory and the like: the run cannot finish.
            if (!problemTaken.test_and_set()) firstProblem = std::current_exception();
            next = runs.size();
        }
    };
    const std::size_t helpers = std::min<std::size_t>(threads, runs.size()) - (runs.empty() ? 0 : 1);
    std::vector<std::jthread> pool;
    pool.reserve(helpers);
    for (std::size_t t = 0; t < helpers; ++t) pool.emplace_back(work);
    work();
    pool.clear();  // joins
    if (firstProblem) std::rethrow_exception(firstProblem);
    return failed;
}

}  // namespace tavrel::calc
