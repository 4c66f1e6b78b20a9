#include "calc/CalcOutput.h"

namespace tavrel::calc {

ResultSink::ResultSink(std::ostream& out) : stream_(&out) {}

ResultSink::ResultSink(const std::string& path) : file_(std::make_unique<platform::FileReplacement>(path)) {}

ResultSink::~ResultSink() = default;

std::string ResultSink::problem() const { return file_ ? file_->failure().reason : std::string(); }

void ResultSink::write(std::string_view text) {
    if (file_) {
        file_->write(text);
    } else if (*stream_) {
        stream_->write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

std::string ResultSink::finish() {
    if (file_) {
        // The results can be computed again, so the rename does not wait for the disk.
        const platform::SaveResult saved = file_->commit(platform::Durability::Unflushed);
        return saved.ok() ? std::string() : saved.reason;
    }
    stream_->flush();
    return *stream_ ? std::string() : "standard output could not be written";
}

}  // namespace tavrel::calc
