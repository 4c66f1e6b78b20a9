#include "calc/InOrderOutput.h"

namespace tavrel::calc {

InOrderOutput::InOrderOutput(std::size_t runs, ResultSink& sink) : sink_(sink), waiting_(runs) {}

TextBuffer InOrderOutput::spareBuffer() {
    const std::lock_guard lock(mutex_);
    if (spare_.empty()) return {};
    TextBuffer buffer = std::move(spare_.back());
    spare_.pop_back();
    return buffer;
}

void InOrderOutput::finished(std::size_t run, TextBuffer results) {
    std::unique_lock lock(mutex_);
    waiting_[run] = std::move(results);
    if (writing_) return;
    writing_ = true;
    while (next_ < waiting_.size() && waiting_[next_]) {
        TextBuffer piece = std::move(*waiting_[next_]);
        waiting_[next_].reset();
        ++next_;
        lock.unlock();  // other threads may hand in runs while this one writes
        sink_.write(piece.view());
        piece.clear();
        lock.lock();
        spare_.push_back(std::move(piece));
    }
    writing_ = false;
}

}  // namespace tavrel::calc
