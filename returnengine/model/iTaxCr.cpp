#include "returnengine/model/iTaxCr.h"

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
    letInput(children_, tavrel::toInt16(text));
}

void iTaxCr::letChildCount(std::int16_t count) { letInput(children_, count); }

}  // namespace osgrin
