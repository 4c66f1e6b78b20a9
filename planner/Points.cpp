#include "planner/Points.h"

#include "planner/MirvaneInfo.h"

#include "common/TaxError.h"

namespace mirvane {

using tavrel::TaxError;

std::shared_ptr<Point> Points::Add(Currency cAccelInc, Currency cCombinedTax, std::string_view sKey) {
    if (!sKey.empty() && byKey_.contains(std::string(sKey)))
        throw TaxError::standard(tavrel::err::DuplicateKey, std::string(kProjectName));
    auto p = std::make_shared<Point>();
    p->setCAccelInc(cAccelInc);
    p->setCCombinedTax(cCombinedTax);
    items_.push_back({p, std::string(sKey)});
    if (!sKey.empty()) byKey_.emplace(std::string(sKey), items_.size() - 1);
    return p;
}

std::size_t Points::positionOf(const IndexKey& vntIndexKey) const {
    if (const long* i = std::get_if<long>(&vntIndexKey)) {
        if (*i < 1 || *i > Count())
            throw TaxError::standard(tavrel::err::SubscriptOutOfRange, std::string(kProjectName));
        return static_cast<std::size_t>(*i - 1);
    }
    const auto it = byKey_.find(std::get<std::string>(vntIndexKey));
    if (it == byKey_.end()) throw TaxError::standard(tavrel::err::InvalidCall, std::string(kProjectName));
    return it->second;
}

std::shared_ptr<Point> Points::Item(const IndexKey& vntIndexKey) const { return items_[positionOf(vntIndexKey)].point; }

void Points::Remove(const IndexKey& vntIndexKey) {
    const std::size_t pos = positionOf(vntIndexKey);
    if (!items_[pos].key.empty()) byKey_.erase(items_[pos].key);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(pos));
    for (auto& [key, index] : byKey_)
        if (index > pos) --index;
}

}  // namespace mirvane
