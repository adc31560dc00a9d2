#pragma once
// The names of a day's commemorations as the saint search reads them.
#include <string>

#include "content_source.h"

namespace contentsrc {

// Capitals, words separated by single blanks; apostrophes, commas, colons and ampersands
// are kept, dashes and slashes part words, other punctuation is left out.
std::string NameRecord(const Day& day);

} // namespace contentsrc
