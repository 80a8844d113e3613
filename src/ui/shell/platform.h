// SPDX-License-Identifier: MIT
#pragma once
// The one place with platform-specific code.

#include <QString>

namespace zc {

/// Empty when a window can be shown; otherwise one line saying why not.
QString displayUnavailableReason();

} // namespace zc
