#pragma once
// Credits of a return: the number of children for the child tax credit, other
// credits, and the child credit computed from them.

#include "common/Api.h"

#include "returnengine/model/LineObject.h"

#include <cstdint>

namespace osgrin {

class OSGRIN_API iTaxCr final : public LineObject<iTaxCr, 2> {
public:
    enum Line : std::size_t { OtherCr, ChildCr };
    static constexpr std::string_view kLocation = "clsTaxCr.";
    static constexpr bool kIsSubObject = true;
    static constexpr std::array<LineRule, kLineCount> kRules = {{
        rule::input("OtherCr", "Other credits"),
        rule::gated("ChildCr"),
    }};
    static std::span<const tavrel::PropertySpec<iTaxCr>> extraProperties();

    std::int16_t NumOfChildCrChildren() const { return children_; }
    // Text input: 10002 when not a number, then a 16-bit whole number.
    void letNumOfChildCrChildren(std::string_view text);
    // The same given the number.
    void letChildCount(std::int16_t count);

private:
    std::int16_t children_ = 0;
};

}  // namespace osgrin
