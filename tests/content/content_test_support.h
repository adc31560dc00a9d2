#pragma once
// Helpers of the content library tests: reading JPEG headers, checking RTF structure,
// the sources and the name records of the whole year.
#include <cstdint>
#include <string>
#include <vector>

#include "content_source.h"

namespace contenttest {

struct JpegInfo {
    bool decoded = false;   // the whole image decoded without error
    int width = 0;
    int height = 0;
    bool progressive = false;
};

// Decodes a whole JPEG file held in memory.
JpegInfo DecodeJpeg(const void* bytes, size_t size);

// Whether `text` starts with {\rtf1\ansi, its groups balance (escaped braces aside) and the
// outermost group closes at the very end.
bool IsWellFormedRtf(const std::string& text);

// The sources of the whole year as the generators read them; `warnings` lists the gaps.
struct Year {
    std::vector<contentsrc::Day> lives;
    std::vector<contentsrc::Day> hymns;
    std::vector<std::string> warnings;
};
const Year& SourceYear();

// The name records of the 366 calendar days of the lives sources, in calendar order.
std::vector<std::pair<uint16_t, std::string>> LivesNameRecords();

} // namespace contenttest
