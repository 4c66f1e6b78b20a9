#include "returnengine/law/LawEdition.h"

#include "common/PropertyBag.h"

namespace osgrin {
namespace {

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

}  // namespace

std::optional<LawEdition> lawEditionFromText(std::string_view text) {
    text = trimBlanks(text);
    for (const LawEdition e : {LawEdition::Tables2008, LawEdition::Enacted})
        if (tavrel::sameNameNoCase(text, lawEditionText(e))) return e;
    return std::nullopt;
}

std::optional<LawEdition> lawEditionFromSwitch(std::string_view value) {
    value = trimBlanks(value);
    if (tavrel::sameNameNoCase(value, "tables")) return LawEdition::Tables2008;
    if (tavrel::sameNameNoCase(value, "enacted")) return LawEdition::Enacted;
    return std::nullopt;
}

}  // namespace osgrin
