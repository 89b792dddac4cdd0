#pragma once

#include <string>

// ---- Clipboard text encoding ----
// The clipboard holds UTF-16 while the program's texts are UTF-8 byte strings;
// these two convert at that boundary. Neither throws nor reads outside its
// input: every ill-formed piece of input becomes one U+FFFD REPLACEMENT
// CHARACTER and the conversion goes on after it.

// The UTF-8 text as UTF-16 code units. Characters beyond U+FFFF become
// surrogate pairs. Each maximal ill-formed subsequence (a stray continuation
// byte, a truncated sequence, an overlong form, an encoded surrogate, a value
// above U+10FFFF, the bytes C0, C1, F5 to FF) becomes one U+FFFD, as the
// Unicode standard recommends. A NUL byte stays a NUL code unit.
std::u16string utf8ToUtf16(const std::string& utf8);

// The UTF-16 code units as UTF-8. A surrogate pair becomes one four-byte
// character; an unpaired surrogate (high without low, lone low) becomes
// U+FFFD. A NUL code unit stays a NUL byte.
std::string utf16ToUtf8(const std::u16string& utf16);
