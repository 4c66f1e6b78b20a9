// The in-memory profile text: lookup rules, edits that keep everything they do
// not touch, and values that can never break the file's structure.

#include "platform/IniText.h"
#include "common/TaxError.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using tavrel::TaxError;
using tavrel::platform::IniText;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) {
            out.push_back(text.substr(pos));
            break;
        }
        out.push_back(text.substr(pos, nl - pos));
        pos = nl + 1;
    }
    return out;
}

// --- Reading -------------------------------------------------------------------

TEST(IniTextRead, FindsValuesBySectionAndKey) {
    const IniText t("[Return]\nName=Smith\nYear=2008\n[Other]\nYear=2001\n");
    EXPECT_EQ(t.value("Return", "Name"), "Smith");
    EXPECT_EQ(t.value("Return", "Year"), "2008");
    EXPECT_EQ(t.value("Other", "Year"), "2001");
}

TEST(IniTextRead, MissingSectionOrKeyGivesNothing) {
    const IniText t("[Return]\nName=Smith\n");
    EXPECT_FALSE(t.value("Nope", "Name").has_value());
    EXPECT_FALSE(t.value("Return", "Nope").has_value());
    EXPECT_FALSE(IniText("").value("Return", "Name").has_value());
}

TEST(IniTextRead, SectionAndKeyNamesIgnoreCase) {
    const IniText t("[Filing Info]\nSpouse 1 Over 65=True\n");
    EXPECT_EQ(t.value("FILING INFO", "spouse 1 over 65"), "True");
    EXPECT_EQ(t.value("filing info", "SPOUSE 1 OVER 65"), "True");
}

TEST(IniTextRead, BlanksAroundNamesAreIgnored) {
    const IniText t("[  Filing Info ]\n  Spouse 1 Over 65 \t=  True\n");
    EXPECT_EQ(t.value("Filing Info", "Spouse 1 Over 65"), "True");
    EXPECT_EQ(t.value(" Filing Info ", "  Spouse 1 Over 65  "), "True");
}

TEST(IniTextRead, ValueKeepsTrailingBlanksAndDropsLeadingOnes) {
    const std::string padded = "John Q. Smith" + std::string(37, ' ');
    ASSERT_EQ(padded.size(), 50u);
    const IniText t("[Return]\nName=   " + padded + "\n");
    EXPECT_EQ(t.value("Return", "Name"), padded);
}

TEST(IniTextRead, ValueIsEverythingAfterTheFirstEquals) {
    const IniText t("[S]\nFormula=a=b=c\nEmpty=\n");
    EXPECT_EQ(t.value("S", "Formula"), "a=b=c");
    EXPECT_EQ(t.value("S", "Empty"), "");
}

TEST(IniTextRead, FirstSectionAndFirstKeyOfANameWin) {
    const IniText t("[S]\nK=first\nk=second\n[s]\nK=third\nOnlyLater=x\n");
    EXPECT_EQ(t.value("S", "K"), "first");
    // The second section of the same name is not consulted.
    EXPECT_FALSE(t.value("S", "OnlyLater").has_value());
}

TEST(IniTextRead, CrLfAndLfLineEndsBothRead) {
    const IniText crlf("[S]\r\nA=1\r\nB=two  \r\n");
    EXPECT_EQ(crlf.value("S", "A"), "1");
    EXPECT_EQ(crlf.value("S", "B"), "two  ");
    const IniText mixed("[S]\nA=1\r\nB=2");
    EXPECT_EQ(mixed.value("S", "A"), "1");
    EXPECT_EQ(mixed.value("S", "B"), "2");  // no line end at the end of the text
}

TEST(IniTextRead, ByteOrderMarkIsSkippedAndKept) {
    IniText t("\xEF\xBB\xBF[S]\nA=1\n");
    EXPECT_EQ(t.value("S", "A"), "1");
    t.set("S", "A", "2");
    EXPECT_EQ(t.serialize(), "\xEF\xBB\xBF[S]\nA=2\n");
}

TEST(IniTextRead, CommentsAndKeylessLinesAreNotKeys) {
    const IniText t("[S]\n;A=1\n# B=2\n=3\nplain text\nC=4\n");
    EXPECT_FALSE(t.value("S", ";A").has_value());
    EXPECT_FALSE(t.value("S", "A").has_value());
    EXPECT_FALSE(t.value("S", "B").has_value());
    EXPECT_EQ(t.value("S", "C"), "4");
}

TEST(IniTextRead, KeysBeforeTheFirstSectionBelongToNoSection) {
    const IniText t("A=orphan\n[S]\nB=1\n");
    EXPECT_FALSE(t.value("S", "A").has_value());
    EXPECT_EQ(t.value("S", "B"), "1");
}

// --- Writing -------------------------------------------------------------------

TEST(IniTextWrite, ReplacesInPlaceKeepingTheKeySpellingAndEverythingElse) {
    const std::string original =
        "; saved by hand\n"
        "[Return]\n"
        "  FILING status =  Single\n"
        "# a comment between keys\n"
        "Unknown Key=kept\n"
        "\n"
        "[Unknown Section]\n"
        "x=y\n";
    IniText t(original);
    t.set("return", "Filing Status", "Joint");
    EXPECT_EQ(t.serialize(),
              "; saved by hand\n"
              "[Return]\n"
              "  FILING status =  Joint\n"
              "# a comment between keys\n"
              "Unknown Key=kept\n"
              "\n"
              "[Unknown Section]\n"
              "x=y\n");
}

TEST(IniTextWrite, UnchangedTextSerializesAsReadWithLfEnds) {
    const std::string original = "; c\n[A]\nk = v  \n\n[B]\nnot a key\n";
    EXPECT_EQ(IniText(original).serialize(), original);
    EXPECT_EQ(IniText("[A]\r\nk=v\r\n").serialize(), "[A]\nk=v\n");
    EXPECT_EQ(IniText("[A]\nk=v").serialize(), "[A]\nk=v\n");
}

TEST(IniTextWrite, AppendsAMissingKeyAfterTheLastLineOfItsSection) {
    IniText t("[A]\nk1=1\n; note\n\n\n[B]\nk=b\n");
    t.set("A", "k2", "2");
    t.set("A", "k3", "3");
    t.set("B", "new", "n");
    EXPECT_EQ(t.serialize(), "[A]\nk1=1\n; note\nk2=2\nk3=3\n\n\n[B]\nk=b\nnew=n\n");
}

TEST(IniTextWrite, AppendsAMissingSectionAtTheEnd) {
    IniText t("[A]\nk=1\n");
    t.set("B", "x", "1");
    t.set("C", "y", "2");
    t.set("B", "z", "3");
    EXPECT_EQ(t.serialize(), "[A]\nk=1\n\n[B]\nx=1\nz=3\n\n[C]\ny=2\n");
}

TEST(IniTextWrite, BuildsAFileFromNothing) {
    IniText t;
    t.set(" Return ", " Name ", "Smith");
    t.set("Return", "Year", "2008");
    EXPECT_EQ(t.serialize(), "[Return]\nName=Smith\nYear=2008\n");
}

TEST(IniTextWrite, WritesToTheFirstSectionAndKeyOfAName) {
    IniText t("[S]\nK=1\nK=2\n[S]\nK=3\n");
    t.set("s", "k", "new");
    EXPECT_EQ(t.serialize(), "[S]\nK=new\nK=2\n[S]\nK=3\n");
}

TEST(IniTextWrite, PlainValuesAreWrittenRaw) {
    const std::vector<std::string> plain = {"123",        "True",        "-1,234.56", "John Smith    ", "a\\b", "x=y",
                                            "say \"hi\"", "caf\xC3\xA9", ""};
    for (const auto& v : plain) {
        IniText t;
        t.set("S", "K", v);
        EXPECT_EQ(t.serialize(), "[S]\nK=" + v + "\n") << v;
        EXPECT_EQ(IniText(t.serialize()).value("S", "K"), v);
    }
}

TEST(IniTextWrite, ValuesThatWouldNotSurviveRawAreQuoted) {
    struct Case {
        std::string value, stored;
    };
    const std::vector<Case> cases = {
        {"line one\r\nline two", R"("line one\r\nline two")"},
        {"\"quoted\"", R"("\"quoted\"")"},
        {" leading blank", R"(" leading blank")"},
        {"\tleading tab", R"("\tleading tab")"},
        {std::string(50, ' '), "\"" + std::string(50, ' ') + "\""},
        {std::string("nul\0byte", 8), R"("nul\x00byte")"},
        {"bell\x07 del\x7F", R"("bell\x07 del\x7F")"},
        {"back\\slash\nand newline", R"("back\\slash\nand newline")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniText::encodeValue(c.value), c.stored);
        IniText t;
        t.set("S", "K", c.value);
        EXPECT_EQ(t.serialize(), "[S]\nK=" + c.stored + "\n");
        EXPECT_EQ(IniText(t.serialize()).value("S", "K"), c.value);
    }
}

TEST(IniTextWrite, ALineBreakInAValueCannotCreateASectionOrKey) {
    const std::string hostile = "Smith\r\n[Evil]\r\nInjected=1\n\"";
    IniText t("[Return]\nYear=2008\n");
    t.set("Return", "Name", hostile);
    const std::string text = t.serialize();
    EXPECT_EQ(lines(text),
              (std::vector<std::string>{"[Return]", "Year=2008", R"(Name="Smith\r\n[Evil]\r\nInjected=1\n\"")"}));
    const IniText back(text);
    EXPECT_EQ(back.value("Return", "Name"), hostile);
    EXPECT_FALSE(back.value("Evil", "Injected").has_value());
    EXPECT_EQ(back.value("Return", "Year"), "2008");
}

TEST(IniTextWrite, HandWrittenQuotedValuesAreReadWhenComplete) {
    EXPECT_EQ(IniText::decodeValue(R"("a\tb\x41\\")"), "a\tbA\\");
    EXPECT_EQ(IniText::decodeValue(R"("abc"   )"), "abc");
    EXPECT_EQ(IniText::decodeValue(R"("")"), "");
    // Anything short of a complete quoted string is the raw text.
    for (const std::string raw : {R"("abc)", R"("a"b")", R"("bad\q")", R"("\x4")", R"("\xZZ")", R"("end\)", "\""})
        EXPECT_EQ(IniText::decodeValue(raw), raw) << raw;
    EXPECT_EQ(IniText("[S]\nK=\"abc\" extra\n").value("S", "K"), "\"abc\" extra");
}

TEST(IniTextWrite, NamesThatWouldBreakTheStructureRaise5) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"S", "a=b"},
        {"S", ""},
        {"S", "   "},
        {"S", "a\nb"},
        {"S", "a\rb"},
        {"S", "[x]"},
        {"S", ";x"},
        {"S", " #x"},
        {"a]b", "K"},
        {"", "K"},
        {"  ", "K"},
        {"a\r\nb", "K"},
        {"S", std::string("a\0b", 3)},
    };
    for (const auto& [section, key] : bad) {
        IniText t("[S]\nK=1\n");
        try {
            t.set(section, key, "v");
            ADD_FAILURE() << "accepted section " << section << " key " << key;
        } catch (const TaxError& e) {
            EXPECT_EQ(e.number(), 5);
        }
        EXPECT_EQ(t.serialize(), "[S]\nK=1\n");
    }
    EXPECT_EQ(IniText::keyNameProblem("a=b"), "it contains '='");
    EXPECT_EQ(IniText::sectionNameProblem("a]b"), "it contains ']'");
    EXPECT_FALSE(IniText::keyNameProblem("Spouse 1 Over 65").has_value());
    EXPECT_TRUE(IniText::sectionNameProblem("Filing [Info]x").has_value());
    EXPECT_FALSE(IniText::sectionNameProblem("Filing [Info").has_value());  // '[' inside a name is harmless
}

// --- Properties over many random edits ---------------------------------------

std::string lowered(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string randomCase(std::string s, std::mt19937& rng) {
    for (char& c : s)
        if ((c >= 'a' && c <= 'z') && (rng() & 1)) c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST(IniTextProperties, EveryWrittenValueReadsBackAfterAnyEdits) {
    std::mt19937 rng(20081007);
    const std::vector<std::string> sections = {"return", "filing info", "spouse 1", "income", "x"};
    const std::vector<std::string> keys = {"name", "year", "over 65", "wages", "a b c", "k"};
    std::map<std::pair<std::string, std::string>, std::string> model;
    IniText t("; header comment\n[Unrelated]\nkeep=me\n");
    for (int step = 0; step < 3000; ++step) {
        const std::string s = sections[rng() % sections.size()];
        const std::string k = keys[rng() % keys.size()];
        std::string v;
        const int len = static_cast<int>(rng() % 60);
        for (int i = 0; i < len; ++i) v.push_back(static_cast<char>(rng() % 256));
        t.set(randomCase(s, rng), randomCase(k, rng), v);
        model[{lowered(s), lowered(k)}] = v;
        if (step % 97 == 0) t.parse(t.serialize());  // a save and a reload
    }
    const IniText back(t.serialize());
    for (const auto& [name, v] : model) EXPECT_EQ(back.value(name.first, name.second), v);
    EXPECT_EQ(back.value("Unrelated", "keep"), "me");
    // Only the sections written plus the original one exist.
    std::size_t headers = 0;
    for (const auto& line : lines(t.serialize()))
        if (!line.empty() && line[0] == '[') ++headers;
    EXPECT_EQ(headers, sections.size() + 1);
}

TEST(IniTextProperties, ParsingArbitraryBytesIsStableAndEditable) {
    std::mt19937 rng(1);
    const std::string alphabet = "[]=;# \t\r\n\"\\abcAB\x01\xEF\xBB\xBF";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int len = static_cast<int>(rng() % 200);
        for (int i = 0; i < len; ++i) text.push_back(alphabet[rng() % alphabet.size()]);
        IniText t(text);
        const std::string once = t.serialize();
        EXPECT_EQ(IniText(once).serialize(), once) << "round " << round;
        t.set("Fuzz Section", "Fuzz Key", "value\nwith break");
        EXPECT_EQ(IniText(t.serialize()).value("fuzz section", "fuzz key"), "value\nwith break") << "round " << round;
    }
}

}  // namespace
