#pragma once
// Computing the rows: each worker thread has its own reader, return and
// buffers and takes runs of whole lines one at a time; every run's output goes
// to the output in input order whatever the threading.

#include "calc/CalcOutput.h"
#include "calc/ResultCsv.h"
#include "calc/TaxsimColumns.h"
#include "calc/TaxsimReturn.h"
#include "calc/TaxsimRow.h"
#include "calc/TextBuffer.h"

#include "returnengine/law/LawEdition.h"

#include <cstddef>
#include <string_view>

namespace tavrel::calc {

// One thread's rows.
class RowWorker {
public:
    RowWorker(const ColumnLayout& layout, osgrin::LawEdition law);

    // Computes every row of the lines (blank lines skipped) into `out`, in
    // order; returns how many rows failed.
    std::size_t computeRows(std::string_view lines, TextBuffer& out);

private:
    const ColumnLayout& layout_;
    RowReader reader_;
    TaxsimReturn return_;
    TaxsimRow row_;
    Figures figures_;
};

// Computes the rows of the text (the input after its header) on `threads`
// threads (at least one) and writes their lines to the output; returns how
// many rows failed.
std::size_t computeAll(std::string_view rows, const ColumnLayout& layout, osgrin::LawEdition law, unsigned threads,
                       ResultSink& output);

}  // namespace tavrel::calc
