#pragma once
// The return harness: arbitrary bytes as a scenario file whose [Scenario1]
// section is loaded into one return, which is then computed under both law
// editions for the year it names and for one other year from 2000 to 2010
// that the bytes pick. (The silent run computes only two years, so this
// reaches the others; one extra year per input keeps an execution cheap
// enough for long campaigns, and the mutated bytes visit them all.) An error
// is an expected outcome; a crash is not, and the enacted law refuses a year
// it does not cover with error 5 only. A computation that succeeds gives the
// same lines when repeated and on a copy of the return.

#include "FuzzCheck.h"
#include "ScenarioHarness.h"

#include "returnengine/model/iTop.h"

#include "common/TaxError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::fuzz {

struct ReturnResult {
    bool loaded = false;
    int computed = 0;  // how many of the years computed without an error
};

namespace return_detail {

// Every money line of the return and its six sub-objects, exactly.
template <class T>
void appendLines(const T& object, std::vector<std::int64_t>& out) {
    for (std::size_t i = 0; i < T::kLineCount; ++i) out.push_back(object.get(i).scaled());
}

inline std::vector<std::int64_t> lines(const osgrin::iTop& r) {
    std::vector<std::int64_t> out;
    appendLines(r, out);
    appendLines(r.inc(), out);
    appendLines(r.adj(), out);
    appendLines(r.item(), out);
    appendLines(r.amt(), out);
    appendLines(r.other(), out);
    appendLines(r.cr(), out);
    return out;
}

// Reads every line through its property (the text the reports show): a
// value or an error, nothing else.
template <class T>
void readLines(const T& object) {
    for (std::size_t i = 0; i < T::kLineCount; ++i) {
        try {
            (void)object.getProperty(T::kRules[i].name);
        } catch (const TaxError& e) {
            FUZZ_CHECK(e.number() == err::Overflow,
                       "reading " + std::string(T::kRules[i].name) + " raised " + std::to_string(e.number()));
        }
    }
}

// Computes the return; true when it succeeded.
inline bool compute(osgrin::iTop& r) {
    try {
        r.Calculate();
        return true;
    } catch (const TaxError&) {
        return false;
    }
}

// The second year an input is computed for: 2000 to 2010, from its bytes.
inline int otherYear(std::string_view bytes) {
    unsigned sum = 0;
    for (const char c : bytes) sum += static_cast<unsigned char>(c);
    return 2000 + static_cast<int>(sum % 11);
}

}  // namespace return_detail

inline ReturnResult runReturn(std::string_view bytes) {
    using namespace return_detail;
    const auto& dir = scenario_detail::folder();
    dir.clear();
    const std::string path = dir.file("return.amt");
    scenario_detail::writeBytes(path, bytes);
    ReturnResult result;
    auto loaded = std::make_shared<osgrin::iTop>();
    loaded->setColumnIdx(1);
    try {
        loaded->Load(path);
        result.loaded = true;
    } catch (const TaxError&) {}
    dir.clear();
    if (!result.loaded) return result;

    const std::string what = "return \"" + printable(bytes, 400) + "\"";
    std::vector<std::string> years = {std::to_string(loaded->TaxYear())};
    const int other = otherYear(bytes);
    if (other != loaded->TaxYear()) years.push_back(std::to_string(other));
    for (const osgrin::LawEdition law : {osgrin::LawEdition::Tables2008, osgrin::LawEdition::Enacted})
        for (const std::string& year : years) {
            // As the report run does: the return is computed while being edited.
            const auto r = loaded->clone();
            r->BeginEdit();
            r->letProperty("TaxYear", year);
            r->setLawEdition(law);
            const auto copy = r->clone();
            const int y = r->TaxYear();
            if (law == osgrin::LawEdition::Enacted && (y < 2001 || y > 2026)) {
                int refused = 0;
                try {
                    r->Calculate();
                } catch (const TaxError& e) {
                    refused = e.number();
                }
                FUZZ_CHECK(refused == err::InvalidCall, what + " " + std::string(osgrin::lawEditionText(law)) +
                                                            " year " + year + ": the enacted law did not refuse it");
                continue;
            }
            if (!compute(*r)) continue;
            ++result.computed;
            const std::vector<std::int64_t> first = lines(*r);
            FUZZ_CHECK(compute(*r), what + " " + std::string(osgrin::lawEditionText(law)) + " year " + year +
                                        ": a second computation failed");
            FUZZ_CHECK(lines(*r) == first, what + " " + std::string(osgrin::lawEditionText(law)) + " year " + year +
                                               ": a second computation changed the lines");
            FUZZ_CHECK(compute(*copy),
                       what + " " + std::string(osgrin::lawEditionText(law)) + " year " + year + ": the copy failed");
            FUZZ_CHECK(lines(*copy) == first, what + " " + std::string(osgrin::lawEditionText(law)) + " year " + year +
                                                  ": the copy computed other lines");
            readLines(*r);
            readLines(r->inc());
            readLines(r->adj());
            readLines(r->item());
            readLines(r->amt());
            readLines(r->other());
            readLines(r->cr());
        }
    return result;
}

inline int runReturnInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxScenarioBytes) return -1;
    (void)runReturn(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

}  // namespace tavrel::fuzz
