#pragma once
// A header and one row read with it, as the calculator reads them; the line is
// kept, since the row's id and year point into it.

#include "calc/TaxsimRow.h"

#include <optional>
#include <string>
#include <string_view>

struct ReadRow {
    tavrel::calc::HeaderRead header;
    std::string line;
    tavrel::calc::TaxsimRow row;
    std::optional<tavrel::calc::RowError> error;

    ReadRow(std::string_view headerLine, std::string values)
        : header(tavrel::calc::readHeader(headerLine)), line(std::move(values)) {
        tavrel::calc::RowReader reader(header.layout);
        error = reader.read(line, row);
    }
};
