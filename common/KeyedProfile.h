#pragma once
// The keyed profile component: named values in named sections of a text file.
// Each save or load creates an instance, sets its file once, runs its reads or
// writes and releases it. Writes become visible in the file only when release()
// succeeds, all at once; an instance destroyed without release() (an error path)
// leaves the file exactly as it was.

#include <memory>
#include <string>
#include <string_view>

namespace tavrel {

class KeyedProfile {
public:
    virtual ~KeyedProfile() = default;
    // Later reads and writes use this file (a full path).
    virtual void setFile(std::string_view fullPath) = 0;
    // The stored value, or the default when the file, the section or the key is missing.
    virtual std::string readValue(std::string_view section, std::string_view key, std::string_view defaultValue) = 0;
    // Stores the value, replacing an existing one; creates the section when missing.
    virtual void writeValue(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Commits the writes (creating the file when missing); nothing to do after reads.
    virtual void release() = 0;
};

}  // namespace tavrel
