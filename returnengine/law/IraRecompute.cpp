#include "returnengine/law/IraRecompute.h"

#include "returnengine/model/OsgrinInfo.h"
#include "returnengine/model/iTop.h"

namespace osgrin::law::rules {
namespace {

using tavrel::Currency;

// Puts the IRA contributions back after the recomputation without them, also
// when that recomputation fails.
class ContributionsWithheld {
public:
    explicit ContributionsWithheld(iTop& r) : adj_(r.adj()), editing_(adj_.isEditing()) {
        for (std::size_t i = 0; i < 4; ++i) {
            texts_[i] = adj_.text(kLines[i]);
            exact_[i] = adj_.get(kLines[i]);
        }
        // In an edit the public setters take the zeros, exactly as a user's entry
        // would; outside one they would be ignored and the recomputation would
        // never end, so the values are stored directly.
        for (std::size_t i = 0; i < 2; ++i) {
            if (editing_)
                adj_.let(kLines[i], "0");
            else
                adj_.store(kLines[i], Currency());
        }
    }
    ContributionsWithheld(const ContributionsWithheld&) = delete;
    ContributionsWithheld& operator=(const ContributionsWithheld&) = delete;
    ~ContributionsWithheld() {
        if (editing_) {
            // Back through the setters as text, as the values were saved.
            try {
                adj_.let(kLines[0], texts_[0]);
                adj_.let(kLines[1], texts_[1]);
                adj_.setFromText(kLines[2], texts_[2]);
                adj_.setFromText(kLines[3], texts_[3]);
            } catch (...) {
                restoreExact();
            }
        } else {
            restoreExact();
        }
    }

private:
    void restoreExact() {
        for (std::size_t i = 0; i < 4; ++i) adj_.store(kLines[i], exact_[i]);
    }
    static constexpr std::size_t kLines[4] = {Adj2Inc::IRAContribSP1, Adj2Inc::IRAContribSP2, Adj2Inc::IRADedSp1,
                                              Adj2Inc::IRADedSp2};
    Adj2Inc& adj_;
    bool editing_;
    std::string texts_[4];
    Currency exact_[4];
};

}  // namespace

// Total adjustments of the whole return recomputed with both IRA contributions at 0.
Currency adjustmentsWithoutContributions(iTop& r) {
    // The recomputation sees zero contributions, so it cannot come back here; the
    // depth check keeps any future path from recursing without end.
    if (r.recomputeDepth() > 0) throw tavrel::TaxError::standard(tavrel::err::OutOfStack, std::string(kProjectName));
    ContributionsWithheld withheld(r);
    ++r.recomputeDepth();
    try {
        r.Calculate();
    } catch (...) {
        --r.recomputeDepth();
        throw;
    }
    --r.recomputeDepth();
    return r.whole(iTop::Adj2Inc);
}

}  // namespace osgrin::law::rules
