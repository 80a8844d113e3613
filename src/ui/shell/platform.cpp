// SPDX-License-Identifier: MIT
#include "ui/shell/platform.h"

#include <QtGlobal>

namespace zc {

QString displayUnavailableReason() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    // On X11 and Wayland desktops Qt needs a display server; without one it
    // would abort, so say so and let the caller exit cleanly.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return QStringLiteral(
            "zentorix-calculator: no display found (set DISPLAY or WAYLAND_DISPLAY, "
            "or QT_QPA_PLATFORM=offscreen)");
#endif
    return {};
}

} // namespace zc
