#include "reports/ClientBook.h"

#include "reports/DataText.h"

#include "base/YearText.h"
#include "common/Version.h"

namespace tavrel::reports {
namespace {

// One field of a row: nothing (an empty CSV field, JSON null), text, an amount
// or a whole number.
struct Cell {
    enum class Kind { Empty, Text, Amount, Number };
    Kind kind = Kind::Empty;
    std::string_view text;
    Currency amount;
    long long number = 0;
};

Cell text(std::string_view t) { return {Cell::Kind::Text, t, {}, 0}; }
Cell amount(Currency a) { return {Cell::Kind::Amount, {}, a, 0}; }
Cell number(long long n) { return {Cell::Kind::Number, {}, {}, n}; }

// Where the columns after the taxes stand: the error's two, then the plan year
// (added last, so that the columns before it keep their places).
constexpr std::size_t kErrorNumber = kClientBookColumns - 3;
constexpr std::size_t kErrorMessage = kClientBookColumns - 2;
constexpr std::size_t kPlanYear = kClientBookColumns - 1;

// The row's cells in the order of the columns: one array for both formats, so
// they cannot disagree.
std::array<Cell, kClientBookColumns> cellsOf(const BookRow& row) {
    std::array<Cell, kClientBookColumns> c{};
    std::size_t i = 0;
    const AnalysisResult& r = row.figures;
    c[i++] = text(r.file);
    if (row.error) {
        c[kErrorNumber] = number(row.error->number);
        c[kErrorMessage] = text(row.error->message);
        return c;
    }
    c[kPlanYear] = number(r.planYear);
    c[i++] = text(r.spouse1);
    c[i++] = text(r.spouse2);
    const std::string_view status = filingStatusName(r.filingStatus);
    c[i++] = status.empty() ? number(r.filingStatus) : text(status);
    c[i++] = text(osgrin::lawEditionText(r.law));
    c[i++] = amount(r.deferred);
    c[i++] = amount(r.saving);
    for (const auto* years : {&r.without, &r.with}) {
        for (const YearTax& y : *years) {
            c[i++] = amount(y.regular);
            c[i++] = amount(y.amt);
            c[i++] = amount(y.total);
        }
    }
    return c;
}

void appendCsvCell(std::string& out, const Cell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Empty: break;
    case Cell::Kind::Text: appendCsvField(out, cell.text); break;
    case Cell::Kind::Amount: appendAmount(out, cell.amount); break;
    case Cell::Kind::Number: out += std::to_string(cell.number); break;
    }
}

void appendJsonCell(std::string& out, const Cell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Empty: out += "null"; break;
    case Cell::Kind::Text: appendJsonString(out, cell.text); break;
    case Cell::Kind::Amount: appendAmount(out, cell.amount); break;
    case Cell::Kind::Number: out += std::to_string(cell.number); break;
    }
}

}  // namespace

std::optional<std::int16_t> bookPlanYear(std::span<const BookRow> rows) {
    std::optional<std::int16_t> year;
    for (const BookRow& row : rows) {
        if (row.error) continue;
        if (year && *year != row.figures.planYear) return std::nullopt;
        year = row.figures.planYear;
    }
    return year.value_or(mirvane::kCurrentTaxYear);
}

BookColumns clientBookColumns(std::optional<std::int16_t> planYear) {
    BookColumns n;
    std::size_t i = 0;
    for (const char* fixed : {"file", "spouse1", "spouse2", "filing_status", "law", "best_deferral", "pv_saving"})
        n[i++] = fixed;
    const shell::YearTexts years = planYear ? shell::yearTexts(*planYear) : shell::YearTexts{"first", "second"};
    for (const char* deferral : {"_without", "_with"}) {
        for (const std::string* year : {&years.current, &years.next}) {
            for (const char* tax : {"regular_", "amt_", "total_"}) {
                std::string& name = n[i++];
                name.append(tax).append(*year).append(deferral);
            }
        }
    }
    n[kErrorNumber] = "error_number";
    n[kErrorMessage] = "error_message";
    n[kPlanYear] = "plan_year";
    return n;
}

void appendBookStart(std::string& out, BookFormat format, const BookColumns& columns) {
    if (format == BookFormat::Csv) {
        bool first = true;
        for (const std::string& name : columns) {
            if (!first) out += ',';
            first = false;
            out += name;
        }
        out += '\n';
        return;
    }
    out += "{\"schema\":\"tavrel-client-book\",\"schemaVersion\":";
    out += std::to_string(kClientBookSchemaVersion);
    out += ",\"program\":{\"name\":\"Tavrel\",\"version\":";
    appendJsonString(out, version::kText);
    out += "},\"rows\":[";
}

void appendBookRow(std::string& out, BookFormat format, const BookRow& row, bool first, const BookColumns& columns) {
    const std::array<Cell, kClientBookColumns> cells = cellsOf(row);
    if (format == BookFormat::Csv) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) out += ',';
            appendCsvCell(out, cells[i]);
        }
        out += '\n';
        return;
    }
    // A row a line, so that a large book still reads and compares line by line.
    out += first ? "\n{" : ",\n{";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out += ',';
        appendJsonString(out, columns[i]);
        out += ':';
        appendJsonCell(out, cells[i]);
    }
    out += '}';
}

void appendBookEnd(std::string& out, BookFormat format) {
    if (format == BookFormat::Json) out += "\n]}\n";
}

}  // namespace tavrel::reports
