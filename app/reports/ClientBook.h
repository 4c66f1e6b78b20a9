#pragma once
// The client book: one row per scenario of a preparer's clients, with the answer
// and each year's tax without and with deferral, or the error that kept the
// scenario from being analysed. CSV (a header, then one line per row) or a JSON
// document ("tavrel-client-book", schema version 1) whose rows hold the same
// fields under the CSV's column names. Text only: the caller writes it.

#include "reports/AnalysisResult.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tavrel::reports {

inline constexpr int kClientBookSchemaVersion = 1;
inline constexpr std::size_t kClientBookColumns = 22;

using BookColumns = std::array<std::string, kClientBookColumns>;

struct BookError {
    int number = 0;
    std::string message;
};

struct BookRow {
    AnalysisResult figures;          // its file always; the rest only when analysed
    std::optional<BookError> error;  // why the scenario could not be analysed
};

// The plan year of every scenario of the book that was analysed (2008 when
// none was); empty when they plan different years.
std::optional<std::int16_t> bookPlanYear(std::span<const BookRow> rows);

// The column names for a book whose scenarios plan that year: file, spouse1,
// ..., regular_2008_without, ..., error_number, error_message, plan_year.
// Without one year the tax columns say "first" and "second" year
// (regular_first_without) and each row's plan_year tells its years.
BookColumns clientBookColumns(std::optional<std::int16_t> planYear);

enum class BookFormat { Csv, Json };

// The text before the first row: the CSV header, or the JSON document up to its rows.
void appendBookStart(std::string& out, BookFormat format, const BookColumns& columns);
// One row; `first` for the first row of the book (JSON separates the rows and
// names each field by its column).
void appendBookRow(std::string& out, BookFormat format, const BookRow& row, bool first, const BookColumns& columns);
// The text after the last row.
void appendBookEnd(std::string& out, BookFormat format);

}  // namespace tavrel::reports
