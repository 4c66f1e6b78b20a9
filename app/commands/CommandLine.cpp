#include "commands/CommandLine.h"

#include "common/PropertyBag.h"
#include "common/TaxError.h"
#include "planner/TaxYears.h"

#include <algorithm>

namespace tavrel::shell {
namespace {

enum class Switch { None, Input, Output, Silent, Help, Version, Calc, Law, Year, Format, Batch };

struct Parsed {
    Switch kind = Switch::None;
    std::string inlineValue;  // after "=" in "--input=FILE"
    bool hasInline = false;
};

Parsed classify(std::string_view arg) {
    std::string_view name = arg;
    Parsed p;
    if (arg.starts_with("--")) {
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            p.inlineValue = std::string(arg.substr(eq + 1));
            p.hasInline = true;
        }
    }
    auto is = [&](std::string_view slash, std::string_view dashes) {
        return (!p.hasInline && sameNameNoCase(name, slash)) || sameNameNoCase(name, dashes);
    };
    if (is("/input", "--input"))
        p.kind = Switch::Input;
    else if (is("/output", "--output"))
        p.kind = Switch::Output;
    else if (is("/silent", "--silent"))
        p.kind = Switch::Silent;
    else if (is("/help", "--help") || is("/?", "-h"))
        p.kind = Switch::Help;
    else if (is("/version", "--version"))
        p.kind = Switch::Version;
    else if (is("/calc", "--calc"))
        p.kind = Switch::Calc;
    else if (is("/law", "--law"))
        p.kind = Switch::Law;
    else if (is("/year", "--year"))
        p.kind = Switch::Year;
    else if (is("/format", "--format"))
        p.kind = Switch::Format;
    else if (is("/batch", "--batch"))
        p.kind = Switch::Batch;
    if (p.kind == Switch::None) p.hasInline = false;
    return p;
}

// The value of the first occurrence of a switch: the arguments that follow it
// up to the next switch, joined by one blank.
std::string switchValue(const std::vector<std::string>& args, Switch wanted, bool* found = nullptr) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Parsed p = classify(args[i]);
        if (p.kind != wanted) continue;
        if (found) *found = true;
        if (p.hasInline) return p.inlineValue;
        std::string value;
        for (std::size_t k = i + 1; k < args.size() && classify(args[k]).kind == Switch::None; ++k) {
            if (!value.empty()) value += ' ';
            value += args[k];
        }
        return value;
    }
    return {};
}

// The arguments after a switch up to the next one, each on its own (file
// names from a shell's wildcard, blanks and all).
std::vector<std::string> switchItems(const std::vector<std::string>& args, Switch wanted) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Parsed p = classify(args[i]);
        if (p.kind != wanted) continue;
        if (p.hasInline) items.push_back(p.inlineValue);
        for (std::size_t k = i + 1; k < args.size() && classify(args[k]).kind == Switch::None; ++k)
            items.push_back(args[k]);
        break;
    }
    return items;
}

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && sameNameNoCase(text.substr(text.size() - ending.size()), ending);
}

Switch switchNamed(std::string_view switchName) { return classify(switchName).kind; }

}  // namespace

bool IsSilent(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (classify(a).kind == Switch::Silent) return true;
    return false;
}

std::string GetCommandLineFilename(const std::vector<std::string>& args, std::string_view extension,
                                   std::string_view switchName) {
    const std::string value = switchValue(args, switchNamed(switchName));
    return endsWithNoCase(value, extension) ? value : std::string();
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    c.silent = IsSilent(args);
    bool inSwitchValue = false;
    bool afterSwitch = false;
    // Scenario files named before any switch, each argument a name of its own
    // (a file manager passes one path per argument, blanks and all).
    std::vector<std::string> bareNames;
    for (const auto& a : args) {
        const Parsed p = classify(a);
        switch (p.kind) {
        case Switch::Help: c.help = true; break;
        case Switch::Version: c.version = true; break;
        case Switch::None:
            if (!afterSwitch && endsWithNoCase(a, ".amt"))
                bareNames.push_back(a);
            else if (!inSwitchValue)
                c.problems.push_back("unexpected argument \"" + a + "\"");
            break;
        default: break;
        }
        if (p.kind != Switch::None) {
            afterSwitch = true;
            inSwitchValue = (p.kind == Switch::Input || p.kind == Switch::Output || p.kind == Switch::Calc ||
                             p.kind == Switch::Law || p.kind == Switch::Year || p.kind == Switch::Format ||
                             p.kind == Switch::Batch) &&
                            !p.hasInline;
        }
    }
    bool outputGiven = false;
    c.inputValue = switchValue(args, Switch::Input);
    c.outputValue = switchValue(args, Switch::Output, &outputGiven);
    c.inputFile = GetCommandLineFilename(args, ".amt", "/input");
    bool formatGiven = false;
    const std::string formatValue = switchValue(args, Switch::Format, &formatGiven);
    if (formatGiven) {
        if (sameNameNoCase(formatValue, "json"))
            c.format = OutputFormat::Json;
        else if (sameNameNoCase(formatValue, "csv"))
            c.format = OutputFormat::Csv;
        else if (!sameNameNoCase(formatValue, "text"))
            c.problems.push_back("/format takes \"text\", \"json\" or \"csv\", not \"" + formatValue + "\"");
    }
    const std::string_view outputEnding = c.format == OutputFormat::Json  ? ".json"
                                          : c.format == OutputFormat::Csv ? ".csv"
                                                                          : ".txt";
    c.outputFile = endsWithNoCase(c.outputValue, outputEnding) ? c.outputValue : std::string();
    c.batchItems = switchItems(args, Switch::Batch);
    c.batch =
        std::any_of(args.begin(), args.end(), [](const std::string& a) { return classify(a).kind == Switch::Batch; });
    c.calcFile = switchValue(args, Switch::Calc, &c.calc);
    // One scenario per run: a second name is more likely a slip than a wish,
    // and guessing which one was meant could save over the wrong file.
    if (bareNames.size() > 1)
        c.problems.push_back("more than one scenario file: \"" + bareNames[0] + "\" and \"" + bareNames[1] + "\"");
    else if (bareNames.size() == 1 && !c.inputValue.empty())
        c.problems.push_back("two scenario files: \"" + bareNames[0] + "\" and the /input \"" + c.inputValue + "\"");
    else if (bareNames.size() == 1 && c.calc)
        c.problems.push_back("/calc cannot be combined with a scenario file (\"" + bareNames[0] + "\")");
    else if (bareNames.size() == 1)
        c.inputFile = bareNames[0];
    if (c.batch) {
        if (c.batchItems.empty()) c.problems.push_back("/batch needs scenario files or folders");
        if (c.silent || !c.inputValue.empty() || c.calc || !bareNames.empty())
            c.problems.push_back("/batch cannot be combined with /silent, /input, /calc or a scenario file");
        if (!c.outputValue.empty()) {
            // The name says the format; a /format that says otherwise is a slip.
            const bool json = endsWithNoCase(c.outputValue, ".json");
            if (json || endsWithNoCase(c.outputValue, ".csv")) {
                c.batchOutputFile = c.outputValue;
                if (formatGiven && c.format != (json ? OutputFormat::Json : OutputFormat::Csv))
                    c.problems.push_back("the /output name \"" + c.outputValue + "\" does not match /format");
                c.format = json ? OutputFormat::Json : OutputFormat::Csv;
            } else {
                c.problems.push_back("the /output name \"" + c.outputValue +
                                     "\" of /batch does not end in .csv or .json");
            }
        }
        if (c.format == OutputFormat::Text) c.format = OutputFormat::Csv;  // the book has no text form
        c.outputFile.clear();
    } else if (c.calc) {
        if (c.calcFile.empty()) c.problems.push_back("/calc needs a CSV file of returns");
        if (!c.outputValue.empty()) {
            if (endsWithNoCase(c.outputValue, ".csv"))
                c.calcOutputFile = c.outputValue;
            else
                c.problems.push_back("the /output name \"" + c.outputValue + "\" of /calc does not end in .csv");
        }
        if (c.silent || !c.inputValue.empty()) c.problems.push_back("/calc cannot be combined with /silent or /input");
    } else if (c.silent && outputGiven && c.outputFile.empty()) {
        // Writing the reports anywhere else than the file asked for would look
        // like success to a script that then finds no report file.
        if (c.outputValue.empty())
            c.problems.push_back("/output needs the name of a report file ending in " + std::string(outputEnding));
        else
            c.problems.push_back("the /output name \"" + c.outputValue + "\" of a silent run does not end in " +
                                 std::string(outputEnding));
    }
    bool lawGiven = false;
    const std::string lawValue = switchValue(args, Switch::Law, &lawGiven);
    if (lawGiven) {
        c.law = osgrin::lawEditionFromSwitch(lawValue);
        if (!c.law) c.problems.push_back("/law takes \"tables\" or \"enacted\", not \"" + lawValue + "\"");
    }
    bool yearGiven = false;
    const std::string yearValue = switchValue(args, Switch::Year, &yearGiven);
    if (yearGiven) {
        try {
            c.planYear = mirvane::planYearFromText(yearValue);
        } catch (const TaxError&) {
            const mirvane::PlanYears any = mirvane::kAnyPlanYear;
            c.problems.push_back("/year takes a plan year from " + std::to_string(any.first) + " to " +
                                 std::to_string(any.last) + ", not \"" + yearValue + "\"");
        }
        // A return of the calculator names its own year.
        if (c.calc) c.problems.push_back("/year cannot be combined with /calc");
    }
    return c;
}

std::string usageText() {
    return "Usage: tavrel [/input FILE.amt] [/output FILE.txt] [/silent] [/law tables|enacted] [/year YYYY]\n"
           "       tavrel FILE.amt [/output FILE.txt] [/silent] [/law tables|enacted] [/year YYYY]\n"
           "       tavrel FILE.amt /silent /format json|csv [/output FILE.json|FILE.csv]\n"
           "       tavrel /batch FILE.amt ... | FOLDER ... [/output BOOK.csv|BOOK.json]\n"
           "       tavrel /calc FILE.csv [/output FILE.csv] [/law tables|enacted]\n"
           "       tavrel [--input FILE.amt] [--output FILE.txt] [--silent] [--help] [--version]\n"
           "\n"
           "Plans the deferral of one year's state and local taxes into the next so that\n"
           "the two years' regular tax and alternative minimum tax, the second\n"
           "discounted to today, are lowest. The first year is the scenario's \"Plan\n"
           "Year\" (" +
           std::to_string(mirvane::kCurrentTaxYear) +
           " when it names none).\n"
           "\n"
           "  /input FILE.amt    the scenario file to open (the name must end in .amt)\n"
           "  FILE.amt           the same, named on its own before any switch (one name;\n"
           "                     not together with /input or /calc)\n"
           "  /output FILE.txt   with /silent: the report file; the detailed report and the\n"
           "                     summary report are appended to it (the name must end in\n"
           "                     .txt, else the run stops with exit status 2); without\n"
           "                     /output the reports go to standard output\n"
           "  /silent            run without a window: open the scenario, save it back,\n"
           "                     run the analysis and write the reports, then end\n"
           "  /law tables|enacted  the tax law for this run, overriding the scenario's\n"
           "                     \"Law Edition\" (not saved): \"tables\" computes both years\n"
           "                     with the 2008 tables, \"enacted\" each year under its own\n"
           "                     law as enacted\n"
           "  /year YYYY         the plan year for this run, overriding the scenario's\n"
           "                     \"Plan Year\" (not saved): " +
           std::to_string(mirvane::kAnyPlanYear.first) + " to " + std::to_string(mirvane::kAnyPlanYear.last) +
           " under the enacted law,\n"
           "                     " +
           std::to_string(mirvane::kCurrentTaxYear) +
           " alone under the 2008 tables\n"
           "  /format text|json|csv  with /silent: the reports as text (the default), or\n"
           "                     the analysis as JSON or CSV (the /output name then ends\n"
           "                     in .json or .csv; without /output, standard output)\n"
           "  /batch FILE.amt ... | FOLDER ...  the client book: analyse every scenario\n"
           "                     (a folder: every .amt in it) without changing any file,\n"
           "                     one row each, to the /output file (.csv or .json) or as\n"
           "                     CSV to standard output; exit status 1 when any failed\n"
           "  /calc FILE.csv     compute one return per row of a CSV file in NBER TAXSIM 35's\n"
           "                     variables (tax years 2001 to 2026) and write a CSV of the\n"
           "                     results to the /output file (a name ending in .csv) or to\n"
           "                     standard output; the law is \"enacted\" unless /law says\n"
           "                     otherwise; exit status 1 when any row failed\n"
           "  --help             this text\n"
           "  --version          the program's version\n"
           "\n"
           "Switches may be written in any case and in any order, with \"/\" or \"--\";\n"
           "\"--input=FILE\" works too. A value runs to the next switch, so a name with\n"
           "blanks needs no quotes. Names keep their case.\n"
           "\n"
           "Files: the scenario file is read and saved back (all of its sections); the\n"
           "rate files Ind2001.tbl ... Ind2026.tbl and indAmt*.tbl are read from the\n"
           "folder of libosgrin. A silent run reads and writes no settings.\n"
           "\n"
           "Exit status: 0 when the reports were written; 1 when the scenario file is\n"
           "missing or unreadable, is not a scenario, or the analysis or the output\n"
           "failed (the message on standard error gives the error's number, text and\n"
           "where it arose); 2 for a command line that makes no sense.\n";
}

}  // namespace tavrel::shell
