#include "iTaxCr.h"

namespace osgrin {
namespace {
using P = tavrel::PropertySpec<iTaxCr>;
constexpr P kExtra[] = {
    {"NumOfChildCrChildren", [](const iTaxCr& o) -> std::string { return std::to_string(o.NumOfChildCrChildren()); },
     [](iTaxCr& o, std::string_view t) { o.letNumOfChildCrChildren(t); }, "Number of children", "0"},
};
}  // namespace

std::span<const tavrel::PropertySpec<iTaxCr>> iTaxCr::extraProperties() { return kExtra; }

void iTaxCr::letNumOfChildCrChildren(std::string_view text) {
    if (!flags_.editing) return;
    if (!tavrel::isNumeric(text))
        throw tavrel::TaxError(tavrel::err::NotANumber, "This item needs to be a number.", std::string(kProjectName));
    children_ = tavrel::toInt16(text);
    flags_.dirty = true;
    flags_.calculated = false;
}

void iTaxCr::letChildCount(std::int16_t count) {
    if (!flags_.editing) return;
    children_ = count;
    flags_.dirty = true;
    flags_.calculated = false;
}

}  // namespace osgrin
