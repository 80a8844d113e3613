// SPDX-License-Identifier: MIT
#pragma once
// How the skinned widgets present themselves to assistive technology: keys as push buttons with
// a Press action that clicks them, activatable labels as buttons checked while highlighted, the
// link label as a link, and each radio group as a grouping of radio buttons, one per item. List
// boxes and rich-text panes keep Qt's own presentation.

namespace zc {

// Registers the toolkit's accessibility factory with Qt; later calls do nothing.
void installToolkitAccessibility();

} // namespace zc
