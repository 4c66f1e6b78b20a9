// Where the time of "tavrel /calc" goes: each step of a row on one thread
// (reading the values, putting them on the return, computing it, formatting
// its line) in the thread's processor time, then, in elapsed time, mapping the
// file and computing all rows with their output file, on one thread and on
// every core.
// Every figure is the best of ten runs.
//
//   bench_calc_steps IN.csv

#include "calc/CalcOutput.h"
#include "calc/CalcWorker.h"
#include "calc/CsvLines.h"
#include "calc/InputText.h"
#include "calc/ResultCsv.h"
#include "calc/TaxsimColumns.h"
#include "calc/TaxsimReturn.h"
#include "calc/TaxsimRow.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

using namespace tavrel::calc;

namespace {

constexpr int kRuns = 10;

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The thread's own processor time: the steps on one thread are timed by it, so
// other programs on the machine inflate them less than they would wall time.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class F>
double best(double (*clock)(), F&& f) {
    double shortest = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        const double start = clock();
        f();
        shortest = std::min(shortest, clock() - start);
    }
    return shortest;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_calc_steps IN.csv\n");
        return 2;
    }
    const double readFile = best(wallSeconds, [&] { InputText mapped(argv[1], std::size_t{1} << 31); });
    const InputText input(argv[1], std::size_t{1} << 31);
    if (!input.problem().empty()) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], input.problem().c_str());
        return 1;
    }
    std::string_view rows = input.text(), header;
    takeLine(rows, header);
    const HeaderRead layout = readHeader(header);
    if (!layout.problem.empty()) {
        std::fprintf(stderr, "%s\n", layout.problem.c_str());
        return 1;
    }

    // Each step on its own: the rows are read once beforehand and kept, so
    // loading and computing start from them, and formatting writes the figures
    // the computation left; no step's time includes another's.
    std::vector<std::string_view> lines;
    for (std::string_view rest = rows, line; takeLine(rest, line);) lines.push_back(line);
    const std::size_t count = lines.size();
    std::vector<TaxsimRow> parsed(count);
    std::vector<Figures> figures(count);
    RowReader reader(layout.layout);
    TaxsimReturn taxReturn(osgrin::LawEdition::Enacted);
    for (std::size_t i = 0; i < count; ++i) (void)reader.read(lines[i], parsed[i]);
    TaxsimRow row;
    const double read = best(threadSeconds, [&] {
        for (const std::string_view line : lines) (void)reader.read(line, row);
    });
    const double load = best(threadSeconds, [&] {
        for (std::size_t i = 0; i < count; ++i) (void)taxReturn.load(parsed[i], layout.layout);
    });
    const double loadAndCompute = best(threadSeconds, [&] {
        for (std::size_t i = 0; i < count; ++i)
            if (!taxReturn.load(parsed[i], layout.layout)) (void)taxReturn.compute(figures[i]);
    });
    TextBuffer out;
    const double format = best(threadSeconds, [&] {
        out.clear();
        for (std::size_t i = 0; i < count; ++i) writeResult(out, parsed[i].id, parsed[i].year, figures[i]);
    });

    // All rows as the program computes them, the results written to a file as they come.
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const std::string outputFile = (std::filesystem::temp_directory_path() / "bench_calc_steps.csv").string();
    auto allRows = [&](unsigned n) {
        ResultSink output(outputFile);
        (void)computeAll(rows, layout.layout, osgrin::LawEdition::Enacted, n, output);
        (void)output.finish();
    };
    const double single = best(wallSeconds, [&] { allRows(1); });
    const double parallel = best(wallSeconds, [&] { allRows(threads); });
    std::filesystem::remove(outputFile);

    auto perRow = [&](double seconds) { return seconds / static_cast<double>(count) * 1e9; };
    std::printf("%zu rows, one thread (its processor time):\n", count);
    std::printf("  read the values     %7.0f ns per row\n", perRow(read));
    std::printf("  put on the return   %7.0f ns per row\n", perRow(load));
    std::printf("  compute             %7.0f ns per row\n", perRow(loadAndCompute - load));
    std::printf("  format the line     %7.0f ns per row\n", perRow(format));
    std::printf("map the file          %7.1f ms\n", readFile * 1e3);
    std::printf("all rows and the output file:\n");
    std::printf("  on 1 thread         %7.1f ms (%.0f rows per second)\n", single * 1e3,
                static_cast<double>(count) / single);
    std::printf("  on %u threads        %7.1f ms (%.0f rows per second)\n", threads, parallel * 1e3,
                static_cast<double>(count) / parallel);
    return 0;
}
