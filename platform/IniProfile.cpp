#include "platform/IniProfile.h"

#include "platform/FileAccess.h"
#include "platform/ProfileTransaction.h"
#include "common/TaxError.h"

#include <mutex>

namespace tavrel::platform {
namespace {

std::string source(const char* operation, std::string_view detail) {
    std::string s = "KeyedProfile.";
    s.append(operation).append(": ").append(detail);
    return s;
}

std::mutex& factoryMutex() {
    static std::mutex m;
    return m;
}

KeyedProfileFactory& installedFactory() {
    static KeyedProfileFactory f;
    return f;
}

}  // namespace

void IniProfile::setFile(std::string_view fullPath) {
    if (fullPath.empty()) throw TaxError::standard(err::BadFileName, source("SetFile", "the file name is empty"));
    if (fullPath == path_) return;
    if (pending_)
        throw TaxError::standard(err::InvalidCall, source("SetFile", "the writes to " + quotedForMessage(path_) +
                                                                         " have not been released"));
    path_ = std::string(fullPath);
    loaded_ = false;
    text_ = IniText();
    transaction_ = ProfileTransaction::activeFor(path_);
}

void IniProfile::checkNames(const char* operation, std::string_view section, std::string_view key) const {
    if (auto problem = IniText::sectionNameProblem(section))
        throw TaxError::standard(
            err::InvalidCall, source(operation, "invalid section name " + quotedForMessage(section) + ": " + *problem));
    if (auto problem = IniText::keyNameProblem(key))
        throw TaxError::standard(err::InvalidCall,
                                 source(operation, "invalid key name " + quotedForMessage(key) + ": " + *problem));
}

IniText& IniProfile::document(const char* operation) {
    if (path_.empty()) throw TaxError::standard(err::BadFileName, source(operation, "no file has been set"));
    if (transaction_) return transaction_->document(operation);
    if (!loaded_) {
        text_ = loadProfileText(path_, operation);
        loaded_ = true;
    }
    return text_;
}

std::string IniProfile::readValue(std::string_view section, std::string_view key, std::string_view defaultValue) {
    checkNames("ReadValue", section, key);
    if (auto v = document("ReadValue").value(section, key)) return std::move(*v);
    return std::string(defaultValue);
}

void IniProfile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    checkNames("WriteValue", section, key);
    document("WriteValue").set(section, key, value);
    if (transaction_)
        transaction_->markWritten();
    else
        pending_ = true;
}

void IniProfile::release() {
    if (!pending_) return;  // inside a transaction the transaction commits
    saveProfileText(path_, text_);
    pending_ = false;
}

std::unique_ptr<KeyedProfile> createKeyedProfile() {
    KeyedProfileFactory factory;
    {
        std::lock_guard lock(factoryMutex());
        factory = installedFactory();
    }
    if (!factory) return std::make_unique<IniProfile>();
    auto profile = factory();
    if (!profile)
        throw TaxError::standard(err::InvalidCall, "KeyedProfile.Create: the installed factory returned no component");
    return profile;
}

KeyedProfileFactory setKeyedProfileFactory(KeyedProfileFactory factory) {
    std::lock_guard lock(factoryMutex());
    KeyedProfileFactory previous = std::move(installedFactory());
    installedFactory() = std::move(factory);
    return previous;
}

}  // namespace tavrel::platform
