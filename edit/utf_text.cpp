#include "edit/utf_text.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr char16_t replacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, std::uint32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::u16string utf8ToUtf16(const std::string& utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    const std::size_t size = utf8.size();
    std::size_t i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        // The lead byte fixes the sequence length and the range of the second
        // byte; that range is what rules out overlong forms, surrogates and
        // values above U+10FFFF without decoding first.
        int continuations = 0;
        unsigned char secondLow = 0x80, secondHigh = 0xBF;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuations = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuations = 2;
            code = lead & 0x0F;
            if (lead == 0xE0) secondLow = 0xA0;
            if (lead == 0xED) secondHigh = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuations = 3;
            code = lead & 0x07;
            if (lead == 0xF0) secondLow = 0x90;
            if (lead == 0xF4) secondHigh = 0x8F;
        } else {
            // A continuation byte without a lead, or a byte that never occurs.
            out.push_back(replacementCharacter);
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 0; k < continuations; ++k, ++next) {
            const unsigned char low = k == 0 ? secondLow : 0x80;
            const unsigned char high = k == 0 ? secondHigh : 0xBF;
            if (next >= size) {
                complete = false;
                break;
            }
            const auto byte = static_cast<unsigned char>(utf8[next]);
            if (byte < low || byte > high) {
                complete = false;
                break;
            }
            code = (code << 6) | (byte & 0x3F);
        }
        if (complete) {
            appendUtf16(out, code);
        } else {
            // The well-formed prefix counts as one bad character; the byte
            // that broke it starts afresh.
            out.push_back(replacementCharacter);
        }
        i = next;
    }
    return out;
}

std::string utf16ToUtf8(const std::u16string& utf16) {
    std::string out;
    out.reserve(utf16.size());
    const std::size_t size = utf16.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t unit = utf16[i];
        if (isHighSurrogate(unit) && i + 1 < size && isLowSurrogate(utf16[i + 1])) {
            const std::uint32_t code = 0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) +
                                       (static_cast<std::uint32_t>(utf16[i + 1]) - 0xDC00);
            appendUtf8(out, code);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, replacementCharacter);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}
