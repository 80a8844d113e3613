// SPDX-License-Identifier: MIT
#pragma once

namespace zc {

/// The Unicode character of a Windows-1252 byte. Bytes below 0x80 and from 0xA0 up are the
/// Latin-1 characters of the same value; 0x80-0x9F hold the code page's typographic extras.
/// Returns 0 for the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char16_t windows1252ToUnicode(unsigned char byte);

} // namespace zc
