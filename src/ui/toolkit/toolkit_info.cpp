// SPDX-License-Identifier: MIT
namespace zc { int toolkitRevision() { return 1; } }
