// SPDX-License-Identifier: MIT
namespace zc {
int formRevision() {
    return 1;
}
} // namespace zc
