// SPDX-License-Identifier: MIT
#pragma once
// Shared by the fuzz harnesses: the libFuzzer entry points and a contract check
// that stops the run (and so marks the input) when a promise is broken.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#define ZC_FUZZ_CHECK(cond)                                                                        \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: contract broken: %s\n", __FILE__, __LINE__, #cond);       \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace zc::fuzz {

/// The longest code text the window can build.
inline constexpr std::size_t kMaxCodeText = 1023;

/// Reads the input front to back: a few selector bytes, then the rest as text.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    /// The next byte, or 0 once the input is used up.
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    /// The next eight bytes as a double (any bit pattern, NaN and infinities included).
    double real() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = (bits << 8) | byte();
        double d;
        static_assert(sizeof d == sizeof bits);
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

    /// What is left, at most `limit` characters.
    std::string_view rest(std::size_t limit) {
        const std::size_t left = m_size - m_pos;
        const std::size_t n = left < limit ? left : limit;
        const std::string_view out(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace zc::fuzz
