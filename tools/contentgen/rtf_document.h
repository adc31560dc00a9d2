#pragma once
// The day's RTF documents of the text libraries, written as 7-bit text.
#include <string>
#include <string_view>

#include "content_source.h"

namespace contentsrc {

// Escapes \ { } and writes every character beyond ASCII as \uN? (UTF-16 units, signed).
std::string RtfEscape(std::string_view utf8);

// Capitals of a UTF-8 text (full Unicode case rules).
std::string Upper(std::string_view utf8);

// Times New Roman 12 pt: the day's commemorations in capitals, then a life for each.
std::string LivesDocument(const Day& day);

// Each commemoration in capitals, then its hymns with their tones.
std::string HymnsDocument(const Day& day);

// Appends one to four NUL bytes so that the length becomes a multiple of four.
std::string PadWithNuls(std::string document);

} // namespace contentsrc
