#include "edit/utf_text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
const char16_t replacement = 0xFFFD;
}

TEST(UtfText, WellFormedTextRoundTrips) {
    EXPECT_EQ(utf8ToUtf16(""), u"");
    EXPECT_EQ(utf16ToUtf8(u""), "");
    EXPECT_EQ(utf8ToUtf16("5' - GCA- 3'"), u"5' - GCA- 3'");
    EXPECT_EQ(utf16ToUtf8(u"5' - GCA- 3'"), "5' - GCA- 3'");
    // Two-byte (é U+00E9), three-byte (€ U+20AC, U+FFFF) and four-byte
    // (U+1F600, U+10FFFF) characters, by their code units.
    const std::string utf8 = "\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
    const std::u16string utf16 = {0x00E9, 0x20AC, 0xFFFF, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF};
    EXPECT_EQ(utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(utf16ToUtf8(utf16), utf8);
    // The edges of each length class.
    EXPECT_EQ(utf8ToUtf16("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xF0\x90\x80\x80"),
              (std::u16string{0x7F, 0x80, 0x7FF, 0x800, 0xD800, 0xDC00}));
    // An embedded NUL is a character like any other.
    EXPECT_EQ(utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
    EXPECT_EQ(utf16ToUtf8(std::u16string(u"a\0b", 3)), std::string("a\0b", 3));
}

TEST(UtfText, IllFormedUtf8BecomesReplacementCharacters) {
    // A stray continuation byte and bytes that never occur.
    EXPECT_EQ(utf8ToUtf16("a\x80"
                          "b"),
              (std::u16string{u'a', replacement, u'b'}));
    EXPECT_EQ(utf8ToUtf16("\xC0\xC1\xF5\xFF"), std::u16string(4, replacement));
    // Overlong forms: C0 AF is an overlong "/", E0 80 AF and F0 80 80 AF too.
    // The lead byte of E0 80 AF is rejected at its second byte, so each byte
    // counts on its own.
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), std::u16string(2, replacement));
    EXPECT_EQ(utf8ToUtf16("\xE0\x80\xAF"), std::u16string(3, replacement));
    EXPECT_EQ(utf8ToUtf16("\xF0\x80\x80\xAF"), std::u16string(4, replacement));
    // An encoded surrogate (ED A0 80 is U+D800) and a value above U+10FFFF.
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), std::u16string(3, replacement));
    EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80"), std::u16string(4, replacement));
    // Truncated sequences: the well-formed prefix is one replacement and the
    // byte that broke it is read afresh.
    EXPECT_EQ(utf8ToUtf16("\xE2\x82"
                          "A"),
              (std::u16string{replacement, u'A'}));
    EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98"
                          "\xC3\xA9"),
              (std::u16string{replacement, 0x00E9}));
    // Truncated at the very end of the text: nothing is read beyond it.
    EXPECT_EQ(utf8ToUtf16("G\xF0\x9F"), (std::u16string{u'G', replacement}));
    EXPECT_EQ(utf8ToUtf16("\xC3"), std::u16string(1, replacement));
}

TEST(UtfText, UnpairedSurrogatesBecomeReplacementCharacters) {
    const std::string replacementUtf8 = "\xEF\xBF\xBD";
    // High surrogate at the end, followed by a non-surrogate, or twice in a row.
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'A', 0xD83D}), "A" + replacementUtf8);
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xD83D, u'B'}), replacementUtf8 + "B");
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xD83D, 0xD83D, 0xDE00}), replacementUtf8 + "\xF0\x9F\x98\x80");
    // Lone low surrogate, and a reversed pair.
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xDE00}), replacementUtf8);
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), replacementUtf8 + replacementUtf8);
}

TEST(UtfText, RandomBytesNeverBreakTheConversion) {
    // Whatever arrives, the result is well formed: converting it back and
    // forth again gives the same text.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        for (int k = length(random); k > 0; --k)
            bytes.push_back(static_cast<char>(byte(random)));
        const std::u16string once = utf8ToUtf16(bytes);
        EXPECT_LE(once.size(), bytes.size());
        const std::string back = utf16ToUtf8(once);
        EXPECT_EQ(utf8ToUtf16(back), once) << "round " << round;

        std::u16string units;
        for (int k = length(random); k > 0; --k)
            units.push_back(static_cast<char16_t>((byte(random) << 8) | byte(random)));
        const std::string asUtf8 = utf16ToUtf8(units);
        EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(asUtf8)), asUtf8) << "round " << round;
    }
}
