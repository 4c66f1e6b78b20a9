#pragma once
// Several profile components, one file, one save. While a transaction on a file
// is open on this thread, every profile component set to that file shares the
// transaction's copy of it: reads see earlier writes, release() commits
// nothing, and commit() writes the file once, atomically. Destroyed without
// commit(), the transaction leaves the file as it was. A scenario is saved and
// loaded this way, so a save that fails half-way never leaves half a scenario.

#include "common/Api.h"

#include "platform/IniText.h"

#include <string>
#include <string_view>

namespace tavrel::platform {

class OSGRIN_API ProfileTransaction {
public:
    explicit ProfileTransaction(std::string_view fullPath);
    ~ProfileTransaction();
    ProfileTransaction(const ProfileTransaction&) = delete;
    ProfileTransaction& operator=(const ProfileTransaction&) = delete;

    // Writes the file if anything was written; raises as a component's release() does.
    void commit();

    // Whether the file holds a section of that name (reading it if not read yet).
    bool hasSection(std::string_view section);

    // The open transaction on this thread for that file, or null.
    static ProfileTransaction* activeFor(std::string_view fullPath);
    // The shared copy of the file, read on first use; `operation` names the caller in errors.
    IniText& document(const char* operation);
    void markWritten() { written_ = true; }

private:
    std::string path_;
    IniText text_;
    bool loaded_ = false;
    bool written_ = false;
    ProfileTransaction* outer_;
};

// The file read as profile text (missing reads as empty), raising 75 (or 7 for
// an oversized file) with the caller's operation and the path in the source.
IniText loadProfileText(const std::string& path, const char* operation);
// Saves profile text atomically, raising 76/70/61/75 with the path in the source.
void saveProfileText(const std::string& path, const IniText& text);

}  // namespace tavrel::platform
