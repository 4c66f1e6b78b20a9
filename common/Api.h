#pragma once
// The export marks of the shared libraries. Everything builds with hidden
// symbols; libosgrin.so exports what carries OSGRIN_API (the return, its
// sub-objects and persistence, the law editions, the profile and file services
// the planner and the program use), libmirvane.so what carries MIRVANE_API (the
// scenario, its files, the analysis). TAVREL_API marks the shared type that
// crosses every library boundary: an error raised in an engine is caught as the
// same TaxError by the planner and the program.

#define TAVREL_API __attribute__((visibility("default")))
#define OSGRIN_API __attribute__((visibility("default")))
#define MIRVANE_API __attribute__((visibility("default")))
