#include "bible_text.h"

#include <charconv>

#include "bible_reader.h"

namespace bibletext {

std::optional<int> ParseInt(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') ++begin;
    int value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<PassageNumbers> ParsePassageNumbers(const std::string& startChapter,
                                                  const std::string& startVerse,
                                                  const std::string& endChapter,
                                                  const std::string& endVerse) {
    const auto sc = ParseInt(startChapter), sv = ParseInt(startVerse);
    const auto ec = ParseInt(endChapter), ev = ParseInt(endVerse);
    for (const auto& n : {sc, sv, ec, ev})
        if (!n || *n < 0 || *n > MaxChapterOrVerse) return std::nullopt;
    return PassageNumbers{*sc, *sv, *ec, *ev};
}

std::string NormaliseVerse(const std::string& text) {
    std::string s = TBibleReader::CollapseSpaces(TBibleReader::LineBreaksToSpaces(text));
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t b = 0, e = s.size();
    while (b < e && isTrimmed(s[b])) ++b;
    while (e > b && isTrimmed(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

}  // namespace bibletext
