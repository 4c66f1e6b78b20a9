#include "calc/TaxsimColumns.h"

#include "platform/AsciiText.h"

#include <array>

namespace tavrel::calc {
namespace {

struct KnownColumn {
    std::string_view name;
    Column column;
    ValueRule rule;
};

// Losses may be negative (TAXSIM takes them there too); wages, dividends,
// pensions and deductions may not.
// clang-format off
constexpr KnownColumn kKnown[] = {
    {"taxsimid", Column::TaxsimId, ValueRule::Text},   {"year", Column::Year, ValueRule::Whole},
    {"mstat", Column::Mstat, ValueRule::Whole},         {"page", Column::Page, ValueRule::NotNegative},
    {"sage", Column::Sage, ValueRule::NotNegative},     {"depx", Column::Depx, ValueRule::Whole},
    {"dep13", Column::Dep13, ValueRule::Whole},         {"dep17", Column::Dep17, ValueRule::Whole},
    {"dep18", Column::Dep18, ValueRule::Whole},         {"age1", Column::Age1, ValueRule::NotNegative},
    {"age2", Column::Age2, ValueRule::NotNegative},     {"age3", Column::Age3, ValueRule::NotNegative},
    {"pwages", Column::Pwages, ValueRule::NotNegative}, {"swages", Column::Swages, ValueRule::NotNegative},
    {"psemp", Column::Psemp, ValueRule::Signed},        {"ssemp", Column::Ssemp, ValueRule::Signed},
    {"dividends", Column::Dividends, ValueRule::NotNegative},
    {"intrec", Column::Intrec, ValueRule::Signed},
    {"pensions", Column::Pensions, ValueRule::NotNegative},
    {"otherprop", Column::Otherprop, ValueRule::Signed},
    {"nonprop", Column::Nonprop, ValueRule::Signed},    {"stcg", Column::Stcg, ValueRule::Signed},
    {"ltcg", Column::Ltcg, ValueRule::Signed},          {"proptax", Column::Proptax, ValueRule::NotNegative},
    {"otheritem", Column::Otheritem, ValueRule::NotNegative},
    {"mortgage", Column::Mortgage, ValueRule::NotNegative},
    {"state", Column::Ignored, ValueRule::Text},        {"idtl", Column::Ignored, ValueRule::Text},
};
// clang-format on

std::string_view knownName(Column column) {
    for (const KnownColumn& k : kKnown)
        if (k.column == column) return k.name;
    return {};
}

HeaderColumn classify(std::string_view name) {
    for (const KnownColumn& k : kKnown)
        if (platform::ascii::equalsNoCase(k.name, name)) return {k.column, k.rule, std::string(name)};
    return {Column::Unsupported, ValueRule::Zero, std::string(name)};
}

}  // namespace

HeaderRead readHeader(std::string_view line) {
    HeaderRead read;
    ColumnLayout& layout = read.layout;
    for (std::size_t begin = 0;;) {
        const std::size_t comma = line.find(',', begin);
        const std::string_view name = platform::ascii::trimBlanks(
            line.substr(begin, comma == std::string_view::npos ? line.npos : comma - begin));
        layout.columns.push_back(classify(name));
        if (comma == std::string_view::npos) break;
        begin = comma + 1;
    }
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (platform::ascii::equalsNoCase(layout.columns[k].name, layout.columns[i].name)) {
                read.problem = "the column \"" + layout.columns[i].name + "\" is named twice";
                return read;
            }
        }
    }
    std::string missing;
    for (const Column required : {Column::TaxsimId, Column::Year, Column::Mstat}) {
        bool found = false;
        for (const HeaderColumn& c : layout.columns) found = found || c.column == required;
        if (!found) missing += std::string(missing.empty() ? "" : ", ") + std::string(knownName(required));
    }
    if (!missing.empty()) read.problem = "the header has no column " + missing + " (it needs taxsimid, year and mstat)";
    for (const HeaderColumn& c : layout.columns)
        layout.hasDependentCounts = layout.hasDependentCounts || c.column == Column::Dep13 ||
                                    c.column == Column::Dep17 || c.column == Column::Dep18;
    return read;
}

}  // namespace tavrel::calc
