#pragma once
// The input form's undo and redo: one step per field edit (a text box left with
// another text, a box checked, a status chosen), back to the state the form
// opened with.

#include "input/FieldTable.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavrel::ui {

struct EditStep {
    const fields::Field* field;
    QString before;
    QString after;
};

class EditHistory {
public:
    // A new edit; what was undone before it can no longer be redone.
    void record(EditStep step) {
        if (step.before == step.after) return;
        done_.push_back(std::move(step));
        undone_.clear();
    }
    // The step to take back (its `before` is what the field gets), if any.
    std::optional<EditStep> undo() { return move(done_, undone_); }
    // The step to take again (its `after` is what the field gets), if any.
    std::optional<EditStep> redo() { return move(undone_, done_); }
    void clear() {
        done_.clear();
        undone_.clear();
    }

private:
    static std::optional<EditStep> move(std::vector<EditStep>& from, std::vector<EditStep>& to) {
        if (from.empty()) return std::nullopt;
        to.push_back(from.back());
        from.pop_back();
        return to.back();
    }
    std::vector<EditStep> done_;
    std::vector<EditStep> undone_;
};

}  // namespace tavrel::ui
