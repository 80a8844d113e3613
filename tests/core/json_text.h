// SPDX-License-Identifier: MIT
#pragma once
// A small JSON value for the scenario tables: read from an expectation's text,
// built by the calculator driver, and compared through its compact text.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zc::test {

/// Appends the UTF-8 form of one character.
void appendUtf8(std::string& out, char32_t c);

class Json {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Json() = default;
    Json(bool b) : m_kind(Kind::Bool), m_bool(b) {}
    Json(int n) : m_kind(Kind::Number), m_number(n) {}
    Json(double n) : m_kind(Kind::Number), m_number(n) {}
    Json(std::string s) : m_kind(Kind::String), m_string(std::move(s)) {}
    Json(const char* s) : m_kind(Kind::String), m_string(s) {}
    Json(std::vector<Json> items) : m_kind(Kind::Array), m_items(std::move(items)) {}
    Json(std::map<std::string, Json> members)
        : m_kind(Kind::Object), m_members(std::move(members)) {}

    Kind kind() const { return m_kind; }
    const std::map<std::string, Json>& members() const { return m_members; }
    /// The member's value, or nullptr when this is no object or has no such member.
    const Json* find(const std::string& key) const;

    /// The compact text (no spaces; object members sorted by key; numbers in their shortest
    /// form, a number that is no finite double as null).
    std::string compact() const;

    /// Reads one JSON value filling the whole text; on failure returns null and sets *error.
    static Json parse(std::string_view text, std::string* error);

private:
    Kind m_kind = Kind::Null;
    bool m_bool = false;
    double m_number = 0;
    std::string m_string;
    std::vector<Json> m_items;
    std::map<std::string, Json> m_members;
};

} // namespace zc::test
