#pragma once
// The curve of the last search: an ordered collection of points, optionally
// keyed, with 1-based positions. Range-for walks the points in order.

#include "common/Api.h"

#include "planner/Point.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace mirvane {

class MIRVANE_API Points {
public:
    // A position (1-based) or a key.
    using IndexKey = std::variant<long, std::string>;

    // Appends a new point, under the key unless it is empty; a duplicate key
    // raises 457 and adds nothing.
    std::shared_ptr<Point> Add(Currency cAccelInc, Currency cCombinedTax, std::string_view sKey = {});
    // The point at a position (9 when there is none) or under a key (5 when missing).
    std::shared_ptr<Point> Item(const IndexKey& vntIndexKey) const;
    long Count() const { return static_cast<long>(items_.size()); }
    void Remove(const IndexKey& vntIndexKey);
    void reserve(std::size_t n) { items_.reserve(n); }

    struct Entry {
        std::shared_ptr<Point> point;
        std::string key;
    };
    class const_iterator {
    public:
        explicit const_iterator(std::vector<Entry>::const_iterator it) : it_(it) {}
        const Point& operator*() const { return *it_->point; }
        const Point* operator->() const { return it_->point.get(); }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return it_ == o.it_; }

    private:
        std::vector<Entry>::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    std::size_t positionOf(const IndexKey& vntIndexKey) const;

    std::vector<Entry> items_;
    std::unordered_map<std::string, std::size_t> byKey_;
};

}  // namespace mirvane
