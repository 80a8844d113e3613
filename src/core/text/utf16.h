// SPDX-License-Identifier: MIT
#pragma once
// UTF-8 to UTF-16, for texts the panes show.

#include <string>
#include <string_view>

namespace zc {

/// The UTF-16 form of a UTF-8 text; a malformed sequence becomes U+FFFD.
std::u16string utf16(std::string_view utf8);

} // namespace zc
