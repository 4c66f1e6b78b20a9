#include "commands/Main.h"

#include "calc/CalcRun.h"
#include "commands/BatchRun.h"
#include "commands/CommandLine.h"
#include "base/ConsoleServices.h"
#include "base/ProgramInfo.h"
#include "commands/SilentRun.h"

namespace tavrel::shell {

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const InteractiveStart& interactive) {
    const CommandLine line = parseCommandLine(args);
    if (line.help) {
        out << usageText();
        return 0;
    }
    if (line.version) {
        out << "Tavrel " << version::kText << " (" << versionFull() << ")\n";
        return 0;
    }
    if (!line.problems.empty()) {
        for (const auto& p : line.problems) err << "tavrel: " << p << '\n';
        err << "Try 'tavrel --help'.\n";
        return 2;
    }
    if (line.calc)
        return calc::RunCalc({line.calcFile, line.calcOutputFile, line.law.value_or(osgrin::LawEdition::Enacted)}, out,
                             err);
    if (line.batch)
        return RunBatch({.items = line.batchItems,
                         .outputFile = line.batchOutputFile,
                         .json = line.format == OutputFormat::Json,
                         .law = line.law,
                         .planYear = line.planYear,
                         .threads = 0,               // every core
                         .progress = std::nullopt},  // when standard error is a terminal
                        out, err);

    ConsoleErrorReporter reporter(err);
    AppState state;
    state.VersionShort = versionShort();
    state.VersionFull = versionFull();
    state.ProgramFolder = programFolder();
    state.CurrentFile = line.inputFile;
    state.OutputFile = line.outputFile;
    state.IsSilent = line.silent;
    state.LawOverride = line.law;
    state.PlanYearOverride = line.planYear;
    if (!line.inputValue.empty() && line.inputFile.empty())
        err << "tavrel: the /input name \"" << line.inputValue << "\" does not end in .amt; it is not used\n";
    if (!line.outputValue.empty() && line.outputFile.empty())
        err << "tavrel: the /output name \"" << line.outputValue << "\" does not end in "
            << (line.format == OutputFormat::Json  ? ".json"
                : line.format == OutputFormat::Csv ? ".csv"
                                                   : ".txt")
            << "; it is not used\n";

    if (state.IsSilent) {
        if (state.CurrentFile.empty()) {
            err << "tavrel: a silent run needs a scenario file: /input FILE.amt\n";
            return 1;
        }
        ConsoleDialogs dialogs(err);
        NoView view;
        Shell shell{state, dialogs, reporter, view};
        return RunSilent(shell, out, line.format);
    }
    if (!interactive) {
        err << "tavrel: this build has no windows; use /silent (see --help)\n";
        return 2;
    }
    return interactive(state);
}

}  // namespace tavrel::shell
