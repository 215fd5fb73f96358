// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "i18n/language_strings.h"

#include <unordered_map>

#include "common/text.h"

namespace z408 {
namespace {
const std::u16string kNoText;
}

std::optional<size_t> languageKeyIndex(std::u16string_view key) {
    // Asked for every element of a language file's section.
    static const std::unordered_map<std::u16string_view, size_t> positions = [] {
        std::unordered_map<std::u16string_view, size_t> m;
        for (size_t i = 0; i < kLanguageKeys.size(); ++i) m.emplace(kLanguageKeys[i], i);
        return m;
    }();
    const auto it = positions.find(key);
    if (it == positions.end()) return std::nullopt;
    return it->second;
}

std::string languageKeyName(size_t index) {
    return index < kLanguageKeys.size() ? utf16ToUtf8(kLanguageKeys[index]) : std::string();
}

const std::u16string& LanguageStrings::text(size_t index) const {
    return index < texts_.size() ? texts_[index] : kNoText;
}

const std::u16string& LanguageStrings::text(std::u16string_view key) const {
    const auto i = languageKeyIndex(key);
    return i ? texts_[*i] : kNoText;
}

std::string LanguageStrings::utf8(std::u16string_view key) const {
    return utf16ToUtf8(text(key));
}

void LanguageStrings::set(size_t index, std::u16string text) {
    if (index < texts_.size()) texts_[index] = std::move(text);
}

void LanguageStrings::clear() {
    for (auto& t : texts_) t.clear();
}

size_t LanguageStrings::filledCount() const {
    size_t n = 0;
    for (const auto& t : texts_) n += t.empty() ? 0u : 1u;
    return n;
}

}  // namespace z408
