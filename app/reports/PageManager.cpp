#include "reports/PageManager.h"

namespace tavrel::reports {

namespace {
constexpr int kHeadingLines = 13;
constexpr int kFooterLines = 6;
constexpr int kMaxBlock = 40;
}  // namespace

std::string lineCountMessage(int lines) {
    return std::to_string(lines) + " lines passed to PrnManager2()." + " Please use between 1 and " + "40";
}

void PageManager::PrintHeadings(const Headings& h) {
    // Ten empty lines, then the client, the description and the title fill the
    // thirteen lines reserved at the top of the page.
    for (int i = 0; i < 10; ++i) printer_.printLine("");
    printer_.printLine("  " + h.client);
    printer_.printLine("  " + h.description);
    printer_.printLine("  " + h.title);
}

void PageManager::PrnPgNo() {
    const int footer = printer_.linesPerPage() - kFooterLines;
    for (int l = line_; l < footer; ++l) printer_.printLine("");
    printer_.printLine("Page " + std::to_string(printer_.pageNumber()));
    printer_.newPage();
}

bool PageManager::PrnManager2(int lines, const Headings& h) {
    switch (lines) {
    case -400: line_ = 0; return true;
    case -300:
        PrnPgNo();
        PrintHeadings(h);
        line_ = kHeadingLines;
        return true;
    case -200:
        PrnPgNo();
        line_ = 0;
        return true;
    case -100:
        if (line_ != 0) PrnManager2(-200, h);
        printer_.endDocument();
        return true;
    default: break;
    }
    if (lines < 1 || lines > kMaxBlock) {
        complain_(lineCountMessage(lines));
        return false;
    }
    if (line_ == 0) {
        PrintHeadings(h);
        line_ = kHeadingLines;
    }
    if (line_ + lines >= printer_.linesPerPage() - kFooterLines) {
        PrnPgNo();
        PrintHeadings(h);
        line_ = kHeadingLines;
    }
    line_ += lines;
    return true;
}

}  // namespace tavrel::reports
