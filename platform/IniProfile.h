#pragma once
// The keyed profile component over an INI file (format: see IniText.h).
//
// The file is read once, on the first read or write. Writes change only the
// text in memory; release() puts all of them in the file at once (temporary
// file, flush, rename), so a reader never sees half a save and a failed save
// leaves the old file byte for byte. Destroying an instance without release()
// discards its writes. Files are written with LF line endings.
//
// Errors (TaxError, source naming the operation and the path):
//   52  a read or write before setFile
//    5  a section or key name that would break the file's structure
//   75  the file exists but cannot be read (permissions, a folder, I/O error)
//    7  the file is larger than 64 MiB
//   76 / 70 / 61 / 75  release() could not save: folder missing / permission
//       refused / no room / anything else

#include "common/Api.h"

#include "platform/IniText.h"
#include "common/KeyedProfile.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tavrel::platform {

class ProfileTransaction;

class OSGRIN_API IniProfile final : public KeyedProfile {
public:
    IniProfile() = default;
    IniProfile(const IniProfile&) = delete;
    IniProfile& operator=(const IniProfile&) = delete;
    // Discards uncommitted writes; never throws. An instance set to a file
    // with an open ProfileTransaction works on the transaction's copy instead.
    ~IniProfile() override = default;

    // Chooses the file. Switching to another file while writes are pending
    // raises 5 rather than dropping them silently.
    void setFile(std::string_view fullPath) override;
    std::string readValue(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    void writeValue(std::string_view section, std::string_view key, std::string_view value) override;
    void release() override;

    const std::string& file() const noexcept { return path_; }
    bool hasPendingWrites() const noexcept { return pending_; }

private:
    void checkNames(const char* operation, std::string_view section, std::string_view key) const;
    // The file's text: this instance's own copy, or the open transaction's.
    IniText& document(const char* operation);

    std::string path_;
    bool loaded_ = false;
    bool pending_ = false;
    IniText text_;
    ProfileTransaction* transaction_ = nullptr;
};

using KeyedProfileFactory = std::function<std::unique_ptr<KeyedProfile>()>;

// A new profile component: an IniProfile, unless a test has installed another factory.
OSGRIN_API std::unique_ptr<KeyedProfile> createKeyedProfile();

// Installs the factory createKeyedProfile() uses and returns the one it replaces
// (empty when that was the default). An empty factory restores the default.
// Meant for tests that need a component whose writes fail part-way.
OSGRIN_API KeyedProfileFactory setKeyedProfileFactory(KeyedProfileFactory factory);

}  // namespace tavrel::platform
