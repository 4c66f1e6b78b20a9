#pragma once
// The command line: "/input FILE.amt /output FILE.txt /silent", the return
// calculator "/calc FILE.csv /output FILE.csv", the law switch "/law tables|enacted",
// the plan year "/year YYYY", and the GNU-style "--input", "--output", "--silent",
// "--calc", "--law", "--year", "--help", "--version" (also "--input=FILE").
// A switch is a whole argument matched without regard to case; its value is the
// following arguments up to the next switch, joined by one blank, so an unquoted
// name with blanks still works. Names keep their case. A scenario file may also
// be named on its own before any switch ("tavrel FILE.amt"), as a file manager
// passes it.

#include "returnengine/law/LawEdition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::shell {

// What a silent run or the client book writes.
enum class OutputFormat { Text, Json, Csv };

struct CommandLine {
    bool silent = false;
    bool help = false;
    bool version = false;
    std::string inputFile;                // of /input or named alone; empty unless it ends in ".amt" (any case)
    std::string outputFile;               // empty unless the value ends in ".txt" (any case)
    std::string inputValue, outputValue;  // the values as given, for messages
    // The return calculator: the input file of /calc (any name) and, with /calc,
    // the output file when the /output value ends in ".csv" (any case).
    bool calc = false;
    std::string calcFile;
    std::string calcOutputFile;
    // "/law tables" or "/law enacted"; empty without the switch (a value that is
    // neither is a problem).
    std::optional<osgrin::LawEdition> law;
    // "/year 2025": the plan year for this run instead of the scenario's;
    // empty without the switch (a year no law plans is a problem).
    std::optional<std::int16_t> planYear;
    // "/format text|json|csv"; text without the switch. With /silent the
    // /output name must end in .txt, .json or .csv to match.
    OutputFormat format = OutputFormat::Text;
    // "/batch FILE.amt ... | FOLDER ...": the client book; each argument up to
    // the next switch is one file or folder. Its /output ends in .csv or .json
    // (which also sets the format); without /output, CSV to standard output.
    bool batch = false;
    std::vector<std::string> batchItems;
    std::string batchOutputFile;
    std::vector<std::string> problems;  // arguments that mean nothing here
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

// True when the arguments hold the silent switch.
bool IsSilent(const std::vector<std::string>& args);

// The value of a switch when it ends with the extension (any case), else empty.
std::string GetCommandLineFilename(const std::vector<std::string>& args, std::string_view extension,
                                   std::string_view switchName);

// The text of --help.
std::string usageText();

}  // namespace tavrel::shell
