#pragma once
// Small text helpers shared by the two Bible readers.
#include <optional>
#include <string>

namespace bibletext {

// Integer value of a decimal text (blanks around it allowed), or nothing.
std::optional<int> ParseInt(const std::string& text);
// The four numbers of a passage request (start chapter and verse, end chapter and verse).
struct PassageNumbers {
    int startChapter, startVerse, endChapter, endVerse;
};
// Chapter and verse numbers of both file formats have at most three digits.
inline constexpr int MaxChapterOrVerse = 999;
// The request's numbers, or nothing when any of them is not a number from 0 to MaxChapterOrVerse
// (a larger number names no verse of either format, and stepping past it must not overflow).
std::optional<PassageNumbers> ParsePassageNumbers(const std::string& startChapter,
                                                  const std::string& startVerse,
                                                  const std::string& endChapter,
                                                  const std::string& endVerse);
// Line breaks to blanks, blank runs collapsed, blanks and control characters trimmed.
std::string NormaliseVerse(const std::string& text);
// Zero-padded decimal text of `value` with at least `width` digits.
std::string Padded(int value, int width);
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool SameTextIgnoringCase(const std::string& a, const std::string& b);
// A file name without any folder: not empty, not "." or "..", and no "/" (nor NUL) in it.
bool IsPlainFileName(const std::string& name);

}  // namespace bibletext
