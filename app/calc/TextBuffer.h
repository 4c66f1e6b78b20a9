#pragma once
// A growing run of characters that a worker formats its rows into: the caller
// asks for room, writes through a pointer and says where it stopped, so a row
// costs no allocation once the buffer has grown and no zero-filling ever.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

namespace tavrel::calc {

class TextBuffer {
public:
    TextBuffer() = default;
    TextBuffer(TextBuffer&& other) noexcept { *this = std::move(other); }
    TextBuffer& operator=(TextBuffer&& other) noexcept {
        data_ = std::move(other.data_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }

    // Where to write at least `n` more characters.
    char* room(std::size_t n) {
        if (capacity_ - size_ < n) grow(size_ + n);
        return data_.get() + size_;
    }
    // Keeps what was written up to `end` (a pointer from room()).
    void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
    void append(std::string_view text) {
        char* p = room(text.size());
        if (!text.empty()) std::memcpy(p, text.data(), text.size());
        size_ += text.size();
    }
    std::string_view view() const { return {data_.get(), size_}; }
    // Empties the buffer and keeps its room.
    void clear() { size_ = 0; }
    // Makes room for `n` characters in all before they are written.
    void reserve(std::size_t n) {
        if (capacity_ < n) grow(n);
    }

private:
    void grow(std::size_t needed) {
        std::size_t capacity = capacity_ < 4096 ? 4096 : capacity_ * 2;
        if (capacity < needed) capacity = needed;
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
        data_ = std::move(bigger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
};

}  // namespace tavrel::calc
