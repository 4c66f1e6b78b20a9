#pragma once
// The error trap of the tax-law routines: the routine's location in front of the
// error's source (CR form) and the library's file description as description.

#include "returnengine/model/OsgrinInfo.h"

#include "common/ErrorTrap.h"

namespace osgrin {

template <class F>
decltype(auto) lawTrap(const tavrel::Location& where, F&& body) {
    return tavrel::guardedTemplate(where, kFileDescription, std::forward<F>(body));
}

}  // namespace osgrin
