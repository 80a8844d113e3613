// SPDX-License-Identifier: MIT
namespace zc { int uiPlaceholder() { return 0; } }
