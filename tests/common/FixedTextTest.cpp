// The 50-character name and description fields.
#include "common/FixedText.h"
#include "common/TaxError.h"

#include <gtest/gtest.h>

using namespace tavrel;

TEST(FixedText, PadsToFiftyCharactersCountingUtf8Characters) {
    EXPECT_EQ(padFixedText("Ann"), "Ann" + std::string(47, ' '));
    const std::string accented = "Zo\xC3\xAB Brontë";  // two two-byte characters
    EXPECT_EQ(characterCount(accented), 10u);
    EXPECT_EQ(characterCount(padFixedText(accented)), 50u);
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += "\xC3\xA9";  // 50 characters, 100 bytes
    EXPECT_EQ(padFixedText(fifty), fifty);
}

TEST(FixedText, MoreThanFiftyCharactersRaises10001) {
    EXPECT_NO_THROW(padFixedText(std::string(50, 'x')));
    try {
        padFixedText(std::string(51, 'x'));
        FAIL();
    } catch (const TaxError& e) {
        EXPECT_EQ(e.number(), 10001);
    }
}

TEST(FixedText, StrayBytesCountOneEach) {
    EXPECT_EQ(characterCount("\xC3"), 1u);
    EXPECT_EQ(characterCount("\x80\x80"), 2u);
    EXPECT_EQ(characterCount("\xE2\x82"), 2u);  // truncated sequence
    EXPECT_EQ(trimRight("Ann   "), "Ann");
    EXPECT_EQ(trimRight("   "), "");
}
