#pragma once
// The lines of the output CSV: the header, a computed row's figures, or a
// failed row's error (its figures left empty). LF line ends.

#include "calc/RowError.h"
#include "calc/TaxsimReturn.h"
#include "calc/TextBuffer.h"

#include <string_view>

namespace tavrel::calc {

inline constexpr std::string_view kResultHeader =
    "taxsimid,year,v10,v13,v14,v17,v18,v26,v27,v28,tmt,child_credit,total_tax,qbid,niit,addmed,error\n";

// taxsimid and year are written as read (quoted when they need it).
void writeResult(TextBuffer& out, std::string_view id, std::string_view year, const Figures& figures);
// The error column: the number, a blank and the message, quoted when needed.
void writeFailure(TextBuffer& out, std::string_view id, std::string_view year, const RowError& error);

}  // namespace tavrel::calc
