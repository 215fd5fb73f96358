// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The JSON that z408ctl's read commands print with --json: values built in order and written
// with two-space indentation, so that the output reads the same from run to run.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace z408::cli {

// The version of the JSON of every read command; raised when a key changes its meaning or goes.
inline constexpr int kJsonVersion = 1;

class Json {
  public:
    Json() = default;  // null
    static Json null() { return {}; }
    static Json boolean(bool v) { return scalar(v ? "true" : "false"); }
    static Json number(int64_t v) { return scalar(std::to_string(v)); }
    static Json number(uint64_t v) { return scalar(std::to_string(v)); }
    static Json number(int v) { return number(static_cast<int64_t>(v)); }
    static Json number(uint32_t v) { return number(static_cast<uint64_t>(v)); }
    static Json string(std::string_view s) { return scalar(quoted(s)); }
    static Json array() {
        Json j;
        j.kind_ = Kind::Array;
        return j;
    }
    // Every read command's object starts with its version.
    static Json object() {
        Json j;
        j.kind_ = Kind::Object;
        return j;
    }
    static Json document() { return object().set("version", number(kJsonVersion)); }

    Json& set(std::string key, Json value) {
        members_.emplace_back(std::move(key), std::move(value));
        return *this;
    }
    Json& push(Json value) {
        items_.push_back(std::move(value));
        return *this;
    }

    std::string text(int indent = 0) const {
        const std::string pad(static_cast<size_t>(indent) + 2, ' ');
        const std::string end(static_cast<size_t>(indent), ' ');
        switch (kind_) {
            case Kind::Null:
                return "null";
            case Kind::Scalar:
                return scalar_;
            case Kind::Array: {
                if (items_.empty()) return "[]";
                std::string out = "[\n";
                for (size_t i = 0; i < items_.size(); ++i)
                    out +=
                        pad + items_[i].text(indent + 2) + (i + 1 < items_.size() ? ",\n" : "\n");
                return out + end + "]";
            }
            case Kind::Object: {
                if (members_.empty()) return "{}";
                std::string out = "{\n";
                for (size_t i = 0; i < members_.size(); ++i)
                    out += pad + quoted(members_[i].first) + ": " +
                           members_[i].second.text(indent + 2) +
                           (i + 1 < members_.size() ? ",\n" : "\n");
                return out + end + "}";
            }
        }
        return "null";
    }
    void print(FILE* out = stdout) const { std::fprintf(out, "%s\n", text().c_str()); }

    // A JSON string: quotes, backslashes and control characters escaped.
    static std::string quoted(std::string_view s) {
        std::string out = "\"";
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                out += '\\';
                out += ch;
            } else if (c == '\n') {
                out += "\\n";
            } else if (c == '\t') {
                out += "\\t";
            } else if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
        return out + "\"";
    }

  private:
    enum class Kind { Null, Scalar, Array, Object };
    static Json scalar(std::string text) {
        Json j;
        j.kind_ = Kind::Scalar;
        j.scalar_ = std::move(text);
        return j;
    }
    Kind kind_ = Kind::Null;
    std::string scalar_;
    std::vector<Json> items_;
    std::vector<std::pair<std::string, Json>> members_;
};

}  // namespace z408::cli
