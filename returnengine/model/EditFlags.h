#pragma once
// The edit-protocol flags every return and sub-object carries.

namespace osgrin {

struct EditFlags {
    bool editing = false;
    bool dirty = false;
    bool calculated = false;
};

}  // namespace osgrin
