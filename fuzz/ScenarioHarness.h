#pragma once
// The scenario harness: the silent run on arbitrary bytes as a scenario file.
// The bytes go to a file in a private temporary folder; the file is opened as
// a silent run opens it, and the report run (save, reopen, analysis, detailed
// and summary reports into memory) runs on it. An error is an expected outcome;
// a crash, a hang or a leak is not. When the reports are written, the file the
// run saved must give the same reports and save to the same bytes again.

#include "FuzzCheck.h"
#include "TempDir.h"

#include "base/ConsoleServices.h"
#include "commands/ReportRun.h"
#include "scenario/ScenarioFiles.h"
#include "base/Shell.h"

#include "platform/IniText.h"
#include "common/TaxError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include <unistd.h>

namespace tavrel::fuzz {

enum class ScenarioOutcome {
    Reports,    // the reports were written
    NotOpened,  // the open did not happen (no error raised)
    Error,      // a TaxError stopped the run
};

struct ScenarioResult {
    ScenarioOutcome outcome = ScenarioOutcome::NotOpened;
    int error = 0;        // the error's number for Error
    std::string source;   // and where it arose
    bool opened = false;  // the first open succeeded (the error came later)
    std::string reports;  // the reports' text for Reports
};

struct ScenarioOptions {
    // Turns the 501-point search off (Decrease SIT=False in [AMT], when the
    // file has that section) so that a run takes a fraction of the time.
    bool skipSearch = false;
    // Runs the saved file again and compares.
    bool checkResave = true;
};

namespace scenario_detail {

// A private folder for the scenario file, in memory when /dev/shm is there
// (saves flush to disk), removed when the process ends normally.
class PrivateFolder {
public:
    PrivateFolder() : dir_(memoryBacked() ? "/dev/shm" : "") {}

    // Empties the folder (a failed save may leave nothing behind, but be sure).
    void clear() const {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(dir_.path(), ec))
            std::filesystem::remove_all(e.path(), ec);
    }
    std::string file(std::string_view name) const { return dir_.file(std::string(name)); }

private:
    static bool memoryBacked() {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0;
    }
    testsupport::TempDir dir_;
};

inline const PrivateFolder& folder() {
    static const PrivateFolder f;
    return f;
}

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One silent run on the file as it is.
inline ScenarioResult runOnce(const std::string& path) {
    using namespace tavrel::shell;
    std::ostream nowhere(nullptr);  // messages are dropped
    AppState state;
    state.IsSilent = true;
    state.CurrentFile = path;
    state.Reports = {false, true, true};
    ConsoleDialogs dialogs(nowhere);
    ConsoleErrorReporter errors(nowhere);
    NoView view;
    Shell shell{state, dialogs, errors, view};
    ScenarioResult result;
    try {
        if (OpenFile(shell, path) != OpenResult::Opened) return result;
        result.opened = true;
        reports::TextOutputs outputs;
        reports::RouteOutput(shell, Destination::File, outputs);
        result.outcome = ScenarioOutcome::Reports;
        result.reports = outputs.text();
    } catch (const TaxError& e) {
        errors.ReportFatalEx(e.number(), e.description(), e.source(), true, state.ErrorLogFile, "fuzz");
        result.outcome = ScenarioOutcome::Error;
        result.error = e.number();
        result.source = e.source();
    }
    return result;
}

// Whether a silent run's open accepts the file as it is now.
inline bool opens(const std::string& path) {
    using namespace tavrel::shell;
    std::ostream nowhere(nullptr);
    AppState state;
    state.IsSilent = true;
    ConsoleDialogs dialogs(nowhere);
    ConsoleErrorReporter errors(nowhere);
    NoView view;
    Shell shell{state, dialogs, errors, view};
    try {
        return OpenFile(shell, path) == OpenResult::Opened;
    } catch (const TaxError&) {
        return false;
    }
}

}  // namespace scenario_detail

inline ScenarioResult runScenario(std::string_view bytes, const ScenarioOptions& options) {
    using namespace scenario_detail;
    const PrivateFolder& dir = folder();
    dir.clear();
    const std::string path = dir.file("scenario.amt");
    if (options.skipSearch) {
        platform::IniText text(bytes);
        if (text.hasSection("AMT")) text.set("AMT", "Decrease SIT", "False");
        writeBytes(path, text.serialize());
    } else {
        writeBytes(path, bytes);
    }

    const std::string written = readBytes(path);
    const ScenarioResult first = runOnce(path);
    const std::string what = "scenario \"" + printable(bytes, 400) + "\"";
    if (first.outcome == ScenarioOutcome::Error) {
        if (!first.opened) {
            // A refused open leaves the file as it was.
            FUZZ_CHECK(readBytes(path) == written, what + " a failed open changed the file");
        } else {
            // The file opened once; the run saved it (or failed to and left it):
            // either way it must open again.
            FUZZ_CHECK(opens(path), what + " error " + std::to_string(first.error) + " at \"" +
                                        printable(first.source, 600) + "\" left a file that does not open: \"" +
                                        printable(readBytes(path), 2000) + "\"");
        }
    }
    if (first.outcome != ScenarioOutcome::Reports) return first;

    // Two reports, each ending in a line break, with CR LF line ends throughout.
    const std::string& r = first.reports;
    FUZZ_CHECK(r.size() >= 4 && r.ends_with("\r\n"), what);
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i] == '\n') FUZZ_CHECK(i > 0 && r[i - 1] == '\r', what + " bare LF at " + std::to_string(i));
        if (r[i] == '\r') FUZZ_CHECK(i + 1 < r.size() && r[i + 1] == '\n', what + " bare CR at " + std::to_string(i));
    }

    if (options.checkResave) {
        const std::string saved = readBytes(path);
        const ScenarioResult second = runOnce(path);
        FUZZ_CHECK(second.outcome == ScenarioOutcome::Reports, what + " the saved file failed with " +
                                                                   std::to_string(second.error) + ": \"" +
                                                                   printable(saved, 400) + "\"");
        FUZZ_CHECK(second.reports == first.reports, what + " the saved file gives other reports");
        const std::string savedAgain = readBytes(path);
        FUZZ_CHECK(savedAgain == saved,
                   what + " saved \"" + printable(saved, 2000) + "\" then \"" + printable(savedAgain, 2000) + "\"");
    }
    dir.clear();
    return first;
}

// The harness bodies. Inputs above 64 KiB are skipped (real scenarios are a
// few hundred bytes).
inline constexpr std::size_t kMaxScenarioBytes = 64 * 1024;

// With TAVREL_FUZZ_OUTCOMES set in the environment, each input's outcome is
// printed on standard error (to see where a corpus's inputs end).
inline int runScenarioInput(const std::uint8_t* data, std::size_t size, const ScenarioOptions& options) {
    if (size > kMaxScenarioBytes) return -1;
    const ScenarioResult r = runScenario(std::string_view(reinterpret_cast<const char*>(data), size), options);
    static const bool show = std::getenv("TAVREL_FUZZ_OUTCOMES") != nullptr;
    if (show) {
        const char* kind = r.outcome == ScenarioOutcome::Reports ? "reports"
                           : r.outcome == ScenarioOutcome::Error ? "error"
                                                                 : "notopened";
        std::fprintf(stderr, "outcome: %s %d %s\n", kind, r.error, printable(r.source, 300).c_str());
    }
    return 0;
}

}  // namespace tavrel::fuzz
