#pragma once
// Small text helpers shared by the two Bible readers.
#include <optional>
#include <string>

namespace bibletext {

// Integer value of a decimal text (blanks around it allowed), or nothing.
std::optional<int> ParseInt(const std::string& text);
// Line breaks to blanks, blank runs collapsed, blanks and control characters trimmed.
std::string NormaliseVerse(const std::string& text);
// Zero-padded decimal text of `value` with at least `width` digits.
std::string Padded(int value, int width);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace bibletext
