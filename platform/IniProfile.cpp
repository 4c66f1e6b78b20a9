#include "IniProfile.h"

#include "FileAccess.h"
#include "TaxError.h"

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
}

void IniProfile::checkNames(const char* operation, std::string_view section, std::string_view key) const {
    if (auto problem = IniText::sectionNameProblem(section))
        throw TaxError::standard(err::InvalidCall,
                                 source(operation, "invalid section name " + quotedForMessage(section) + ": " + *problem));
    if (auto problem = IniText::keyNameProblem(key))
        throw TaxError::standard(err::InvalidCall,
                                 source(operation, "invalid key name " + quotedForMessage(key) + ": " + *problem));
}

void IniProfile::ensureLoaded(const char* operation) {
    if (path_.empty()) throw TaxError::standard(err::BadFileName, source(operation, "no file has been set"));
    if (loaded_) return;
    FileText f = readTextFile(path_);
    switch (f.status) {
    case FileText::Status::Ok: text_.parse(f.text); break;
    case FileText::Status::Missing: text_ = IniText(); break;
    case FileText::Status::TooLarge:
        throw TaxError::standard(err::OutOfMemory, source(operation, "cannot read " + quotedForMessage(path_) + ": " + f.reason));
    case FileText::Status::Failed:
        throw TaxError::standard(err::PathFileAccess,
                                 source(operation, "cannot read " + quotedForMessage(path_) + ": " + f.reason));
    }
    loaded_ = true;
}

std::string IniProfile::readValue(std::string_view section, std::string_view key, std::string_view defaultValue) {
    checkNames("ReadValue", section, key);
    ensureLoaded("ReadValue");
    if (auto v = text_.value(section, key)) return std::move(*v);
    return std::string(defaultValue);
}

void IniProfile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    checkNames("WriteValue", section, key);
    ensureLoaded("WriteValue");
    text_.set(section, key, value);
    pending_ = true;
}

void IniProfile::release() {
    if (!pending_) return;
    const SaveResult r = replaceFileAtomically(path_, text_.serialize());
    if (!r.ok())
        throw TaxError::standard(saveErrorNumber(r.error),
                                 source("Release", "cannot save " + quotedForMessage(path_) + ": " + r.reason));
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
