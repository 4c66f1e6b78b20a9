#pragma once
// The whole input file in memory. A regular file is mapped rather than read:
// reading 200,000 rows (14 MB) into fresh memory took about 25 ms, a tenth of
// computing them, and mapping it takes a fraction of a millisecond. Anything
// else (missing, unreadable, a folder, an empty file) is read as the program
// reads every file, for the same messages. A file cut shorter by another program
// while a run reads it can end the run with SIGBUS, as with any mapped file.

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel::calc {

class InputText {
public:
    // Reads or maps the file; `problem` says why not when text() is empty.
    InputText(const std::string& path, std::size_t maxBytes);
    ~InputText();
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    std::string_view text() const { return mapped_ ? std::string_view(mapped_, mappedSize_) : std::string_view(read_); }
    const std::string& problem() const { return problem_; }

private:
    const char* mapped_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string read_;
    std::string problem_;
};

}  // namespace tavrel::calc
