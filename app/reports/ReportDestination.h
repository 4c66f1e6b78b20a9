#pragma once
// Where a report goes: the screen, the printer or a file. The report run hands
// each report to one destination, block by block, as the router does.

#include "reports/Report.h"

#include <string>

namespace tavrel::reports {

class ReportDestination {
public:
    virtual ~ReportDestination() = default;
    // Screen: a new report window with the caption and the three heading lines;
    // printer: the report font is in place.
    virtual void beginReport(const Report& report) = 0;
    // One block, with its line count and the report's headings.
    virtual void block(const Block& block, const Headings& headings) = 0;
    // Screen: show the window; printer: the report ends on its page; file: the
    // report's whole text is written.
    virtual void endReport(const Report& report) = 0;
};

// Sends a whole report to a destination.
void routeReport(const Report& report, ReportDestination& destination);

// The file destination: each report's accumulated text followed by one line
// break. The text collects in memory and is written once, at the end of the
// run, so a run that fails leaves an existing output file as it was.
class FileDestination final : public ReportDestination {
public:
    void beginReport(const Report&) override {}
    void block(const Block&, const Headings&) override {}
    void endReport(const Report& report) override { text_ += report.text() + kLineBreak; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Appends text to a file (created when missing); raises with the file's name
// when it cannot be written.
void appendToFile(const std::string& path, const std::string& text);

// Replaces the file with the text in one step (a data document is whole or
// absent); raises with the file's name when it cannot be written.
void writeWholeFile(const std::string& path, const std::string& text);

}  // namespace tavrel::reports
