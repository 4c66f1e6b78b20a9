#pragma once
// A report as its builder produces it: fixed-width text in blocks, each with the
// number of lines it takes (the page manager keeps a block on one page), and
// the three heading texts of the screen window and the printed page.

#include <string>
#include <vector>

namespace tavrel::reports {

inline constexpr const char* kLineBreak = "\r\n";

struct Headings {
    std::string client;
    std::string description;
    std::string title;
};

struct Block {
    std::string text;
    int lines = 0;
};

struct Report {
    std::string caption;  // the screen window's caption
    Headings headings;
    std::vector<Block> blocks;

    // The whole text, blocks in order: what a file receives.
    std::string text() const {
        std::string all;
        for (const Block& b : blocks) all += b.text;
        return all;
    }
};

}  // namespace tavrel::reports
