#pragma once
// The inputs of one return in its own section of a scenario file ("Scenario"
// followed by the return's column number). Only inputs are stored, money in
// whole dollars as the properties show it; every computed line is rebuilt by
// the next computation.

#include "common/Api.h"

#include <span>
#include <string_view>

namespace tavrel {
class PropertyBag;
}

namespace osgrin {

class iTop;

namespace Persist {

// Which object of a return holds a stored property.
enum class Holder { Return, Income, Adjustments, Deductions, OtherTaxes, Credits };

struct StoredProperty {
    Holder holder;
    std::string_view name;  // the property's name in its class table
};

// The stored properties in the order they are written and read; their keys and
// defaults come from the class tables.
OSGRIN_API std::span<const StoredProperty> storedProperties();

// The object of the return that holds a stored property.
OSGRIN_API tavrel::PropertyBag& holderOf(iTop& r, Holder h);
OSGRIN_API const tavrel::PropertyBag& holderOf(const iTop& r, Holder h);

// Key and default of a stored property, from its class's table.
struct KeyAndDefault {
    std::string_view key, defaultValue;
};
OSGRIN_API KeyAndDefault keyOf(const StoredProperty& p);

OSGRIN_API void Save(std::string_view fileName, const iTop& r);
// Raises 10003 for an empty name before anything is read.
OSGRIN_API void Fetch(std::string_view fileName, iTop& r);

}  // namespace Persist
}  // namespace osgrin
