#pragma once
// The printed page: blocks kept whole on a page by their line counts, headings
// at the top of every page and the page number at the foot. Works against a
// printer interface, so the program's printer and the tests' recording fake
// drive the same logic.

#include "reports/Report.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavrel::reports {

class Printer {
public:
    virtual ~Printer() = default;
    // Lines of the report font that fit on a page.
    virtual int linesPerPage() = 0;
    // Prints the text as one print line: each of its lines, then a move to the
    // next line. A line break at the very end of the text ends its last line
    // (it adds no empty line), so a block takes exactly the lines it counts;
    // text without a final break still ends its line.
    virtual void printLine(std::string_view text) = 0;
    virtual int pageNumber() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};

class PageManager {
public:
    // `complain` shows the message for a line count out of range.
    PageManager(Printer& printer, std::function<void(const std::string&)> complain)
        : printer_(printer), complain_(std::move(complain)) {}

    // The page manager's commands: -400 starts a document, -300 a new page with
    // headings, -200 ends a report (page number), -100 ends the document; 1 to
    // 40 makes room for a block of that many lines. Anything else is refused
    // with a message and false: the caller prints nothing for that block.
    bool PrnManager2(int lines, const Headings& headings);

    int currentLine() const { return line_; }

private:
    void PrintHeadings(const Headings& headings);
    void PrnPgNo();

    Printer& printer_;
    std::function<void(const std::string&)> complain_;
    int line_ = 0;
};

// The message for a line count the page manager refuses.
std::string lineCountMessage(int lines);

}  // namespace tavrel::reports
