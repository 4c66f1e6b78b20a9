#include "platform/ProfileTransaction.h"

#include "platform/FileAccess.h"
#include "common/TaxError.h"

namespace tavrel::platform {
namespace {

thread_local ProfileTransaction* innermost = nullptr;

std::string source(const char* operation, std::string_view detail) {
    std::string s = "KeyedProfile.";
    s.append(operation).append(": ").append(detail);
    return s;
}

}  // namespace

IniText loadProfileText(const std::string& path, const char* operation) {
    FileText f = readTextFile(path);
    switch (f.status) {
    case FileText::Status::Ok: return IniText(f.text);
    case FileText::Status::Missing: return IniText();
    case FileText::Status::TooLarge:
        throw TaxError::standard(err::OutOfMemory,
                                 source(operation, "cannot read " + quotedForMessage(path) + ": " + f.reason));
    case FileText::Status::Failed: break;
    }
    throw TaxError::standard(err::PathFileAccess,
                             source(operation, "cannot read " + quotedForMessage(path) + ": " + f.reason));
}

void saveProfileText(const std::string& path, const IniText& text) {
    const SaveResult r = replaceFileAtomically(path, text.serialize());
    if (!r.ok())
        throw TaxError::standard(saveErrorNumber(r.error),
                                 source("Release", "cannot save " + quotedForMessage(path) + ": " + r.reason));
}

ProfileTransaction::ProfileTransaction(std::string_view fullPath) : path_(fullPath), outer_(innermost) {
    innermost = this;
}

ProfileTransaction::~ProfileTransaction() { innermost = outer_; }

ProfileTransaction* ProfileTransaction::activeFor(std::string_view fullPath) {
    for (ProfileTransaction* t = innermost; t; t = t->outer_)
        if (t->path_ == fullPath) return t;
    return nullptr;
}

IniText& ProfileTransaction::document(const char* operation) {
    if (!loaded_) {
        text_ = loadProfileText(path_, operation);
        loaded_ = true;
    }
    return text_;
}

bool ProfileTransaction::hasSection(std::string_view section) { return document("ReadValue").hasSection(section); }

void ProfileTransaction::commit() {
    if (!written_) return;
    saveProfileText(path_, text_);
    written_ = false;
}

}  // namespace tavrel::platform
