#include "returnengine/model/Adj2Inc.h"

namespace osgrin {
namespace {
using P = tavrel::PropertySpec<Adj2Inc>;
constexpr P kExtra[] = {
    {"IsSp1InRetPlan", [](const Adj2Inc& o) -> std::string { return tavrel::flagText(o.IsSp1InRetPlan()); },
     [](Adj2Inc& o, std::string_view t) { o.letIsSp1InRetPlan(tavrel::toFlag(t)); }, "In Retirement Plan Spouse 1",
     "False"},
    {"IsSp2InRetPlan", [](const Adj2Inc& o) -> std::string { return tavrel::flagText(o.IsSp2InRetPlan()); },
     [](Adj2Inc& o, std::string_view t) { o.letIsSp2InRetPlan(tavrel::toFlag(t)); }, "In Retirement Plan Spouse 2",
     "False"},
};
}  // namespace

std::span<const tavrel::PropertySpec<Adj2Inc>> Adj2Inc::extraProperties() { return kExtra; }

}  // namespace osgrin
