#pragma once
// The main window as the shell routines see it (none in a silent run).

#include "returnengine/law/LawEdition.h"

#include <string>

namespace tavrel::shell {

// The main window as the shell routines see it.
class ShellView {
public:
    virtual ~ShellView() = default;
    // Status bar panel 1: "File: " and the current file.
    virtual void setStatusFile(const std::string& currentFile) = 0;
    // Status bar panel 2 and the Options > Tax Law items: the law in use and
    // the text that names it.
    virtual void setStatusLaw(osgrin::LawEdition law, const std::string& lawText) = 0;
    // Recent-file menu item 1 to 5: visible or hidden, and its caption.
    virtual void setRecentFileItem(int index, bool visible, const std::string& caption) = 0;
    virtual void setRecentSeparatorVisible(bool visible) = 0;
    // The scenario in memory changed (an accepted edit, a Cancel): what shows
    // its answer computes it again.
    virtual void scenarioChanged() {}
};

// A view that shows nothing: the silent run's.
class NoView final : public ShellView {
public:
    void setStatusFile(const std::string&) override {}
    void setStatusLaw(osgrin::LawEdition, const std::string&) override {}
    void setRecentFileItem(int, bool, const std::string&) override {}
    void setRecentSeparatorVisible(bool) override {}
};

}  // namespace tavrel::shell
