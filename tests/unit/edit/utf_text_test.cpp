#include "edit/utf_text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
const char16_t replacement = 0xFFFD;
const std::string replacementUtf8 = "\xEF\xBF\xBD";
} // namespace

TEST(UtfText, WellFormedTextRoundTrips) {
    // Plain, two-byte (é U+00E9), three-byte (€ U+20AC, U+FFFF) and
    // four-byte (U+1F600, U+10FFFF) characters, an embedded NUL, and the
    // edges of each length class.
    const std::pair<std::string, std::u16string> cases[] = {
        {"", u""},
        {"5' - GCA- 3'", u"5' - GCA- 3'"},
        {"\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
         {0x00E9, 0x20AC, 0xFFFF, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xF0\x90\x80\x80", {0x7F, 0x80, 0x7FF, 0x800, 0xD800, 0xDC00}},
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(utf8ToUtf16(utf8), utf16) << utf8;
        EXPECT_EQ(utf16ToUtf8(utf16), utf8) << utf8;
    }
}

TEST(UtfText, IllFormedTextBecomesReplacementCharacters) {
    const std::u16string r1(1, replacement), r2(2, replacement), r3(3, replacement), r4(4, replacement);
    const std::pair<std::string, std::u16string> utf8Cases[] = {
        {"a\x80"
         "b",
         {u'a', replacement, u'b'}}, // a stray continuation byte
        {"\xC0\xC1\xF5\xFF", r4},    // bytes that never occur
        // Overlong forms of "/": each byte counts on its own, since the lead
        // byte is rejected at its second byte.
        {"\xC0\xAF", r2},
        {"\xE0\x80\xAF", r3},
        {"\xF0\x80\x80\xAF", r4},
        {"\xED\xA0\x80", r3},     // an encoded surrogate (U+D800)
        {"\xF4\x90\x80\x80", r4}, // above U+10FFFF
        // Truncated: the well-formed prefix is one replacement and the byte
        // that broke it is read afresh; at the end nothing is read beyond it.
        {"\xE2\x82"
         "A",
         {replacement, u'A'}},
        {"\xF0\x9F\x98"
         "\xC3\xA9",
         {replacement, 0x00E9}},
        {"G\xF0\x9F", {u'G', replacement}},
        {"\xC3", r1},
    };
    for (const auto& [utf8, utf16] : utf8Cases)
        EXPECT_EQ(utf8ToUtf16(utf8), utf16) << utf8;

    // Unpaired surrogates: a high one at the end, before a non-surrogate or
    // twice in a row; a lone low one and a reversed pair.
    const std::pair<std::u16string, std::string> utf16Cases[] = {
        {{u'A', 0xD83D}, "A" + replacementUtf8},
        {{0xD83D, u'B'}, replacementUtf8 + "B"},
        {{0xD83D, 0xD83D, 0xDE00}, replacementUtf8 + "\xF0\x9F\x98\x80"},
        {{0xDE00}, replacementUtf8},
        {{0xDE00, 0xD83D}, replacementUtf8 + replacementUtf8},
    };
    for (const auto& [utf16, utf8] : utf16Cases)
        EXPECT_EQ(utf16ToUtf8(utf16), utf8) << utf8;
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
        EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(once)), once) << "round " << round;

        std::u16string units;
        for (int k = length(random); k > 0; --k)
            units.push_back(static_cast<char16_t>((byte(random) << 8) | byte(random)));
        const std::string asUtf8 = utf16ToUtf8(units);
        EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(asUtf8)), asUtf8) << "round " << round;
    }
}
