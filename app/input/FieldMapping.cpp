#include "input/FieldMapping.h"

#include "common/FixedText.h"
#include "planner/AMT.h"

namespace tavrel::ui::fields {
namespace {

PropertyBag& partOf(osgrin::iTop& r, Part part) {
    switch (part) {
    case Part::Inc: return r.inc();
    case Part::Adj2Inc: return r.adj();
    case Part::Item: return r.item();
    case Part::Top: break;
    }
    return r;
}

}  // namespace

std::vector<PropertyBag*> writeTargets(mirvane::AMT& planner, const Field& field) {
    switch (field.target) {
    case Target::Planner: return {&planner};
    case Target::Current: return {&partOf(planner.cur(), field.part)};
    case Target::Next: return {&partOf(planner.nxt(), field.part)};
    case Target::BothYears: return {&partOf(planner.cur(), field.part), &partOf(planner.nxt(), field.part)};
    }
    return {};
}

PropertyBag& readTarget(mirvane::AMT& planner, const Field& field) {
    switch (field.target) {
    case Target::Planner: return planner;
    case Target::Next: return partOf(planner.nxt(), field.part);
    case Target::Current:
    case Target::BothYears: break;
    }
    return partOf(planner.cur(), field.part);
}

std::string_view shownValue(std::string_view value, Kind kind) {
    return fixedWidth(kind) ? tavrel::trimRight(value) : value;
}

}  // namespace tavrel::ui::fields
