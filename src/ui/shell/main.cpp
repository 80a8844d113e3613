// SPDX-License-Identifier: MIT
#include <cstdio>
int main() { std::puts("Zentorix Calculator: the window is not built yet."); return 0; }
