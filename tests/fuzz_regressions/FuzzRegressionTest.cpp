// Every input kept in tests/data/fuzz/<harness>/ replayed through the harness
// body the fuzzer runs (a broken invariant traps, so it fails the test), with
// the outcome its file name promises: the part before "--" is "checked" (the
// harness ran to its end), "loaded" or "refused" (rate files), "reports",
// "error<number>" or "notopened" (scenarios), "loaded" or "notloaded" (one
// return). The seed corpora in fuzz/corpus are replayed too.
#include "NumericHarness.h"
#include "ProfileHarness.h"
#include "RateFileHarness.h"
#include "ReturnHarness.h"
#include "ScenarioHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tavrel::fuzz;

const std::string kData = TAVREL_TEST_DATA "/fuzz";
const std::string kSeeds = TAVREL_FUZZ_SEEDS;

struct Input {
    std::string name;      // the file name
    std::string expected;  // the part of the name before "--"
    std::string bytes;
};

// The inputs of a folder, by name. A missing or empty folder fails the test:
// replaying nothing would pass whatever the harness did.
std::vector<Input> inputsIn(const std::string& folder) {
    std::vector<Input> inputs;
    if (!fs::is_directory(folder)) {
        ADD_FAILURE() << folder << " is missing";
        return inputs;
    }
    for (const auto& e : fs::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        Input i;
        i.name = e.path().filename().string();
        if (i.name == "README.md") continue;
        const auto dashes = i.name.find("--");
        i.expected = dashes == std::string::npos ? "" : i.name.substr(0, dashes);
        i.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        inputs.push_back(std::move(i));
    }
    std::sort(inputs.begin(), inputs.end(), [](const Input& a, const Input& b) { return a.name < b.name; });
    if (inputs.empty()) ADD_FAILURE() << folder << " holds no inputs";
    return inputs;
}

const std::uint8_t* bytesOf(const Input& i) { return reinterpret_cast<const std::uint8_t*>(i.bytes.data()); }

std::string scenarioOutcome(const ScenarioResult& r) {
    switch (r.outcome) {
    case ScenarioOutcome::Reports: return "reports";
    case ScenarioOutcome::NotOpened: return "notopened";
    case ScenarioOutcome::Error: return "error" + std::to_string(r.error);
    }
    return "?";
}

void replayScenarios(const std::string& folder, const ScenarioOptions& options) {
    for (const Input& i : inputsIn(folder)) {
        SCOPED_TRACE(i.name);
        ASSERT_LE(i.bytes.size(), kMaxScenarioBytes);
        EXPECT_EQ(scenarioOutcome(runScenario(i.bytes, options)), i.expected);
    }
}

TEST(FuzzRegressions, Numeric) {
    for (const Input& i : inputsIn(kData + "/numeric")) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(i.expected, "checked");
        EXPECT_EQ(runNumericInput(bytesOf(i), i.bytes.size()), 0);
    }
}

TEST(FuzzRegressions, Profile) {
    for (const Input& i : inputsIn(kData + "/profile")) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(i.expected, "checked");
        EXPECT_EQ(runProfileInput(bytesOf(i), i.bytes.size()), 0);
    }
}

TEST(FuzzRegressions, RateFile) {
    for (const Input& i : inputsIn(kData + "/ratefile")) {
        SCOPED_TRACE(i.name);
        const RateFileOutcome o = checkRateFile(i.bytes);
        EXPECT_EQ(o == RateFileOutcome::Loaded ? "loaded" : "refused", i.expected);
    }
}

// A stated tax too large for an amount is still named in full in the refusal
// (its text once overflowed on the way).
TEST(FuzzRegressions, RateFileRefusalNamesAHugeStatedTax) {
    try {
        (void)tavrel::platform::RateTable::parse("[G]\n0 and up 2% 2222222222222222\n", "huge.tbl");
        FAIL() << "loaded";
    } catch (const tavrel::TaxError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_NE(e.source().find("the tax at 0 is 0.00 by the rates above it, but the file states "
                                  "2,222,222,222,222,222.00"),
                  std::string::npos)
            << e.source();
    }
}

// The largest amount cannot end a closed bracket: it would be open-ended
// without "and up".
TEST(FuzzRegressions, RateFileRefusesABracketEndingAtTheLargestAmount) {
    try {
        (void)tavrel::platform::RateTable::parse("[X]\n0 922,337,203,685,477.5807 10% 0.00\n", "max.tbl");
        FAIL() << "loaded";
    } catch (const tavrel::TaxError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_NE(e.source().find("line 2: \"922,337,203,685,477.5807\" is too large to end a bracket"),
                  std::string::npos)
            << e.source();
    }
}

TEST(FuzzRegressions, Scenario) { replayScenarios(kData + "/scenario", {.skipSearch = false, .checkResave = true}); }

TEST(FuzzRegressions, ScenarioWithoutSearch) {
    replayScenarios(kData + "/scenario_fast", {.skipSearch = true, .checkResave = true});
}

// Found by the scenario harness: an amount within half a dollar of either end
// of the range once loaded, was saved as its whole-dollar text, which is beyond
// the range, and the saved file no longer opened. Such an amount is now refused
// where it is read, with the error naming its section and key, and the file is
// left as it was.
TEST(FuzzRegressions, AnAmountWhoseSavedTextWouldOverflowIsRefusedAtTheOpen) {
    struct Case {
        const char* text;
        const char* key;
    };
    for (const Case& c : {Case{"[Scenario1]\nWages Spouse 1=922337203685477.5\n", "[Scenario1] Wages Spouse 1"},
                          Case{"[Scenario2]\nOther Taxes Pd=-922337203685477.5\n", "[Scenario2] Other Taxes Pd"},
                          Case{"[AMT]\nMax Amount Deferred=922337203685477.5807\n", "[AMT] Max Amount Deferred"}}) {
        SCOPED_TRACE(c.text);
        const ScenarioResult r = runScenario(c.text, {.skipSearch = false, .checkResave = true});
        EXPECT_EQ(r.outcome, ScenarioOutcome::Error);
        EXPECT_EQ(r.error, 6);
        EXPECT_FALSE(r.opened);
        EXPECT_NE(r.source.find(c.key), std::string::npos) << r.source;
    }
    // Half a dollar less, and the largest amount's whole-dollar text, load and save back exactly.
    for (const char* text :
         {"[Scenario1]\nWages Spouse 1=922337203685477.4999\n", "[Scenario1]\nWages Spouse 1=922,337,203,685,477\n",
          "[Scenario2]\nOther Taxes Pd=-922,337,203,685,477\n"}) {
        SCOPED_TRACE(text);
        const auto& dir = scenario_detail::folder();
        dir.clear();
        const std::string path = dir.file("extreme.amt");
        scenario_detail::writeBytes(path, text);
        ASSERT_TRUE(scenario_detail::opens(path));
        (void)scenario_detail::runOnce(path);
        EXPECT_TRUE(scenario_detail::opens(path)) << scenario_detail::readBytes(path);
        dir.clear();
    }
}

TEST(FuzzRegressions, Return) {
    for (const Input& i : inputsIn(kData + "/return")) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(runReturn(i.bytes).loaded ? "loaded" : "notloaded", i.expected);
    }
}

// The seed corpora go through the same bodies: every harness runs to its end
// on them, and every seed scenario gives its reports.
TEST(FuzzSeeds, AllHarnessesRunToTheEnd) {
    for (const Input& i : inputsIn(kSeeds + "/numeric"))
        EXPECT_EQ(runNumericInput(bytesOf(i), i.bytes.size()), 0) << i.name;
    for (const Input& i : inputsIn(kSeeds + "/profile"))
        EXPECT_EQ(runProfileInput(bytesOf(i), i.bytes.size()), 0) << i.name;
    for (const Input& i : inputsIn(kSeeds + "/ratefile")) (void)checkRateFile(i.bytes);
    for (const Input& i : inputsIn(kSeeds + "/scenario")) {
        SCOPED_TRACE(i.name);
        EXPECT_EQ(scenarioOutcome(runScenario(i.bytes, {.skipSearch = false, .checkResave = true})), "reports");
        EXPECT_EQ(scenarioOutcome(runScenario(i.bytes, {.skipSearch = true, .checkResave = true})), "reports");
        const ReturnResult r = runReturn(i.bytes);
        EXPECT_TRUE(r.loaded);
        EXPECT_GT(r.computed, 0);
    }
}

TEST(FuzzSeeds, ShippedRateFilesLoad) {
    for (const Input& i : inputsIn(kSeeds + "/ratefile")) {
        if (i.name.starts_with("rates-Ind") || i.name.starts_with("rates-indAmt")) {
            EXPECT_EQ(checkRateFile(i.bytes), RateFileOutcome::Loaded) << i.name;
        }
    }
}

}  // namespace
