// The law as enacted against a peer: two sets of 90 returns (2001-2009 and
// 2010-2024) in TAXSIM's variables with the figures NBER TAXSIM 35 gives for
// them (which keeps cents; whole-dollar computations agree within $1). The
// calculator's output for each must agree on AGI, taxable income, regular tax,
// AMT income, AMT and, where the peer gave one, the tentative minimum tax.
#include "calc/CalcRun.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kData = std::string(TAVREL_TEST_DATA) + "/reference/enacted";

using Table = std::map<std::string, std::map<std::string, std::string>>;  // taxsimid -> column -> text

// The comma-separated fields of a line, the empty last one included (no
// field of these files is quoted).
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (const char c : line) {
        if (c == ',')
            out.emplace_back();
        else if (c != '\r')
            out.back() += c;
    }
    return out;
}

Table readTable(const std::string& text) {
    std::stringstream in(text);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> names = fields(line);
    Table t;
    while (std::getline(in, line)) {
        const std::vector<std::string> values = fields(line);
        auto& row = t[values.at(0)];
        for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) row[names[i]] = values[i];
    }
    return t;
}

class ReferenceReturns : public ::testing::TestWithParam<const char*> {};

TEST_P(ReferenceReturns, AgreeWithThePeerWithinADollar) {
    const std::string sample = kData + "/" + GetParam();
    testsupport::TempDir dir;
    std::ostringstream out, err;
    const int status =
        tavrel::calc::RunCalc({sample + ".csv", dir.file("results.csv"), osgrin::LawEdition::Enacted, 0}, out, err);
    ASSERT_EQ(status, 0) << err.str();
    const Table ours = readTable(testsupport::readFile(dir.file("results.csv")));
    const Table peer = readTable(testsupport::readFile(sample + ".expected.csv"));
    ASSERT_EQ(ours.size(), 90u);
    ASSERT_EQ(peer.size(), 90u);
    int compared = 0;
    for (const auto& [id, expected] : peer) {
        const auto& got = ours.at(id);
        EXPECT_EQ(got.at("error"), "") << id;
        for (const char* figure : {"v10", "v18", "v28", "v26", "v27", "tmt"}) {
            const std::string& want = expected.at(figure);
            if (want.empty()) continue;  // the peer gave none
            EXPECT_LE(std::fabs(std::stod(got.at(figure)) - std::stod(want)), 1.0)
                << "return " << id << " " << figure << ": " << got.at(figure) << " against " << want;
            ++compared;
        }
    }
    EXPECT_GT(compared, 480);
}

INSTANTIATE_TEST_SUITE_P(Samples, ReferenceReturns, ::testing::Values("calc-sample", "calc-sample-2010-2024"),
                         [](const auto& tp) {
                             std::string name = tp.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
