#include "edit/sequence_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(SequenceText, KindsFromTextReadsOnlyBaseLettersInEitherCase) {
    EXPECT_EQ(kindsFromText("GCATU"), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(kindsFromText("gcatu"), (std::vector<int>{0, 1, 2, 3, 4}));
    // Spaces and dashes between letters are skipped.
    EXPECT_EQ(kindsFromText("A C-G"), (std::vector<int>{2, 1, 0}));
    // A copied strand: the default end texts and separators hold no base letter.
    EXPECT_EQ(kindsFromText("5' - GCA- 3'"), (std::vector<int>{0, 1, 2}));
    // End-label texts with base letters do add bases.
    EXPECT_EQ(kindsFromText("Cat - G - 3'"), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_TRUE(kindsFromText("").empty());
    EXPECT_TRUE(kindsFromText("5' - - 3'\n\t xyz 0123 !").empty());
    // Bytes of multi-byte characters never count, even when their values are high:
    // "é" (C3 A9), "ü" (C3 BC) and the letters B, D, N around real bases.
    EXPECT_EQ(kindsFromText("\xC3\xA9"
                            "a"
                            "\xC3\xBC"
                            "BDNt"),
              (std::vector<int>{2, 3}));
    // NUL bytes inside the text do not end it.
    EXPECT_EQ(kindsFromText(std::string("G\0C", 3)), (std::vector<int>{0, 1}));
}

TEST(SequenceText, FilterSequenceTextKeepsBaseLettersInUpperCase) {
    EXPECT_EQ(filterSequenceText("ac gt!"), "ACGT");
    EXPECT_EQ(filterSequenceText("uUgG"), "UUGG");
    EXPECT_EQ(filterSequenceText("5' - GCA- 3'"), "GCA");
    EXPECT_EQ(filterSequenceText("hello world"), "");
    EXPECT_EQ(filterSequenceText(""), "");
    EXPECT_EQ(filterSequenceText("\xFF\x80"
                                 "c"
                                 "\xC3\xA9"),
              "C");
    // Filtering twice changes nothing more.
    const std::string once = filterSequenceText("a-c-g-t-u, x y z");
    EXPECT_EQ(once, "ACGTU");
    EXPECT_EQ(filterSequenceText(once), once);
}

TEST(SequenceText, StripSeparatorsRemovesEveryBarAndKeepsTheRest) {
    EXPECT_EQ(stripSeparators("a|b"), "ab");
    EXPECT_EQ(stripSeparators("|||"), "");
    EXPECT_EQ(stripSeparators("||x||y|"), "xy");
    EXPECT_EQ(stripSeparators("no bars: 5' \xC3\xA9 3'"), "no bars: 5' \xC3\xA9 3'");
    EXPECT_EQ(stripSeparators(""), "");
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
