#include "edit/sequence_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(SequenceText, OnlyBaseLettersCountInEitherCase) {
    // Text, the kinds read from it, and the filtered text.
    struct Case {
        std::string text;
        std::vector<int> kinds;
        std::string filtered;
    };
    const Case cases[] = {
        {"GCATU", {0, 1, 2, 3, 4}, "GCATU"},
        {"gcatu", {0, 1, 2, 3, 4}, "GCATU"},
        {"A C-G", {2, 1, 0}, "ACG"},            // spaces and dashes are skipped
        {"5' - GCA- 3'", {0, 1, 2}, "GCA"},     // a copied strand's default end texts hold no letter
        {"Cat - G - 3'", {1, 2, 3, 0}, "CATG"}, // end texts with base letters do add bases
        {"", {}, ""},
        {"5' - - 3'\n\t xyz 0123 !", {}, ""},
        // Bytes of multi-byte characters never count, even when their values
        // are high: "é" (C3 A9), "ü" (C3 BC), and B, D, N are no bases.
        {"\xC3\xA9"
         "a"
         "\xC3\xBC"
         "BDNt",
         {2, 3},
         "AT"},
        {"\xFF\x80"
         "c"
         "\xC3\xA9",
         {1},
         "C"},
        {std::string("G\0C", 3), {0, 1}, "GC"}, // a NUL does not end the text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kindsFromText(c.text), c.kinds) << c.text;
        EXPECT_EQ(countBaseLetters(c.text), c.kinds.size()) << c.text;
        EXPECT_EQ(filterSequenceText(c.text), c.filtered) << c.text;
        EXPECT_EQ(filterSequenceText(c.filtered), c.filtered) << "filtering twice changes nothing more";
    }
}

TEST(SequenceText, StripSeparatorsRemovesEveryBarAndKeepsTheRest) {
    EXPECT_EQ(stripSeparators("||x||y|"), "xy");
    EXPECT_EQ(stripSeparators("|||"), "");
    EXPECT_EQ(stripSeparators("no bars: 5' \xC3\xA9 3'"), "no bars: 5' \xC3\xA9 3'");
    EXPECT_EQ(stripSeparators(std::string("a\0|b", 4)), std::string("a\0b", 3));
}

TEST(SequenceText, LongPasteKeepsEveryLetterInOrder) {
    // A million letters with separators between them; every fourth byte is a base.
    std::string text;
    std::vector<int> expected;
    const char letters[] = "GCATUgcatu";
    for (int i = 0; i < 1000000; ++i) {
        text += letters[i % 10];
        text += " -\n";
        expected.push_back(i % 5);
    }
    EXPECT_EQ(kindsFromText(text), expected);
    const std::string filtered = filterSequenceText(text);
    ASSERT_EQ(filtered.size(), 1000000u);
    EXPECT_EQ(filtered.substr(0, 12), "GCATUGCATUGC");
    EXPECT_EQ(stripSeparators(text).size(), text.size());
}
