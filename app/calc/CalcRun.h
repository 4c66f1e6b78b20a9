#pragma once
// The return calculator ("tavrel /calc IN.csv [/output OUT.csv] [/law ...]"):
// one return per row of a CSV file in NBER TAXSIM 35's input variables,
// computed under the chosen law edition, written as a CSV of the results.

#include "returnengine/law/LawEdition.h"

#include <ostream>
#include <string>

namespace tavrel::calc {

struct CalcRequest {
    std::string inputFile;   // the CSV of returns
    std::string outputFile;  // the CSV of results; empty: standard output
    osgrin::LawEdition law = osgrin::LawEdition::Enacted;
    unsigned threads = 0;  // 0: one per core
};

// Runs the calculator. Exit status: 0 when every row was computed; 1 when any
// row failed (its error column says why) or the input could not be read or the
// output not written (standard error says why).
int RunCalc(const CalcRequest& request, std::ostream& standardOutput, std::ostream& standardError);

}  // namespace tavrel::calc
