#pragma once
// Self-employment tax of each spouse, other taxes, and employee FICA on wages.

#include "common/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace OtherTaxesCalc {
// Self-employment taxes plus the user's other taxes; also records SE tax and FICA.
Currency CalcOtherTaxes(iTop& r);
Currency CalcSETax(iTop& r, int spouse);
// Employee FICA on wages (text; not a number counts as "0") under the law of the
// year, as exact decimal text; 1,000,000 for years before 2003.
std::string CalcFica(std::string_view wages, std::int16_t year);
}  // namespace OtherTaxesCalc
}  // namespace osgrin
