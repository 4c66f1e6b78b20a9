#pragma once
// Property-by-name access: every business object exposes its properties as text
// through one table, which persistence, copying, the input form, the reports and
// the tests all walk. Names are matched without regard to case.

#include "common/TaxError.h"

#include <span>
#include <string>
#include <string_view>

namespace tavrel {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The property's text as its getter gives it; 438 for an unknown or write-only name.
    virtual std::string getProperty(std::string_view name) const = 0;
    // Assigns text through the property's setter, whose own rules apply; 438 for an
    // unknown or read-only name.
    virtual void letProperty(std::string_view name, std::string_view text) = 0;
};

// One row of a class's property table.
template <class T>
struct PropertySpec {
    std::string_view name;
    std::string (*get)(const T&) = nullptr;       // null: no public getter
    void (*let)(T&, std::string_view) = nullptr;  // null: no public setter
    std::string_view fileKey = {};                // key in a scenario file; empty when not stored
    std::string_view fileDefault = {};            // what a load uses when the key is missing
};

constexpr bool sameNameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

template <class T>
const PropertySpec<T>* findProperty(std::span<const PropertySpec<T>> table, std::string_view name) {
    for (const auto& p : table)
        if (sameNameNoCase(p.name, name)) return &p;
    return nullptr;
}

[[noreturn]] inline void raiseNoSuchProperty(std::string_view name) {
    throw TaxError::standard(err::NoSuchProperty, std::string(name));
}

}  // namespace tavrel
