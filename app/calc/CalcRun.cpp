#include "calc/CalcRun.h"

#include "calc/CalcOutput.h"
#include "calc/CalcWorker.h"
#include "calc/CsvLines.h"
#include "calc/InputText.h"
#include "calc/TaxsimColumns.h"

#include "platform/FileAccess.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace tavrel::calc {
namespace {

// Files of tens of millions of rows still fit; the results need about as much again.
constexpr std::size_t kMaxInputBytes = std::size_t{2} << 30;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int RunCalc(const CalcRequest& request, std::ostream& standardOutput, std::ostream& standardError) {
    const std::string inputName = platform::quotedForMessage(request.inputFile);
    const InputText input(request.inputFile, kMaxInputBytes);
    if (!input.problem().empty()) {
        standardError << "tavrel: cannot read " << inputName << ": " << input.problem() << '\n';
        return 1;
    }

    std::string_view rows = input.text();
    if (rows.starts_with(kByteOrderMark)) rows.remove_prefix(kByteOrderMark.size());
    std::string_view headerLine;
    while (takeLine(rows, headerLine) && isBlankLine(headerLine)) {}
    if (isBlankLine(headerLine)) {
        standardError << "tavrel: " << inputName << " has no header line (it needs taxsimid, year and mstat)\n";
        return 1;
    }
    const HeaderRead header = readHeader(headerLine);
    if (!header.problem.empty()) {
        standardError << "tavrel: " << inputName << ": " << header.problem << '\n';
        return 1;
    }

    const unsigned threads = request.threads != 0 ? request.threads : std::max(1u, std::thread::hardware_concurrency());
    const std::string outputName =
        request.outputFile.empty() ? std::string("the results") : platform::quotedForMessage(request.outputFile);
    ResultSink output = request.outputFile.empty() ? ResultSink(standardOutput) : ResultSink(request.outputFile);
    if (const std::string problem = output.problem(); !problem.empty()) {
        standardError << "tavrel: cannot write " << outputName << ": " << problem << '\n';
        return 1;
    }
    std::size_t failedRows = 0;
    try {
        output.write(kResultHeader);
        failedRows = computeAll(rows, header.layout, request.law, threads, output);
    } catch (const std::exception& e) {
        standardError << "tavrel: the returns of " << inputName << " could not be computed: " << e.what() << '\n';
        return 1;
    }
    if (const std::string problem = output.finish(); !problem.empty()) {
        standardError << "tavrel: cannot write " << outputName << ": " << problem << '\n';
        return 1;
    }
    return failedRows > 0 ? 1 : 0;
}

}  // namespace tavrel::calc
