#pragma once
// Where the results go, piece by piece in input order while the rows are still
// being computed: standard output, or a file that is replaced only once all of
// it is written (a temporary file in the same folder, renamed over it).

#include "platform/FileAccess.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace tavrel::calc {

class ResultSink {
public:
    explicit ResultSink(std::ostream& out);
    explicit ResultSink(const std::string& path);
    ~ResultSink();
    ResultSink(const ResultSink&) = delete;
    ResultSink& operator=(const ResultSink&) = delete;

    // Why the output cannot be written, when that is known already (the
    // temporary file could not be made); else empty.
    std::string problem() const;
    // Adds the text; nothing more is written once a write has failed.
    void write(std::string_view text);
    // Ends the output (renames the file into place); empty when all of it was
    // written, otherwise why not.
    std::string finish();

private:
    std::ostream* stream_ = nullptr;
    std::unique_ptr<platform::FileReplacement> file_;
};

}  // namespace tavrel::calc
