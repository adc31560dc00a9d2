#pragma once
// The request half of a Bible reader harness's input: its first eight bytes choose what is
// asked for, the rest is the file that is read.
#include <algorithm>
#include <cstdint>
#include <string>

struct TFuzzRequest {
    uint8_t bytes[8] = {};
    const uint8_t* file;
    size_t fileSize;

    TFuzzRequest(const uint8_t* data, size_t size)
    {
        const size_t head = std::min<size_t>(size, sizeof bytes);
        std::copy(data, data + head, bytes);
        file = data + head;
        fileSize = size - head;
    }
    // Chapters and verses a little beyond any real book, so that ranges run past their ends.
    std::string StartChapter() const { return std::to_string(bytes[1] % 200); }
    std::string StartVerse() const { return std::to_string(bytes[2] % 200); }
    std::string EndChapter() const { return std::to_string(bytes[1] % 200 + bytes[3] % 3); }
    std::string EndVerse() const { return std::to_string(bytes[4] % 200); }
    int Chapter() const { return bytes[6] % 200; }
    bool Headings() const { return bytes[5] & 1; }
    bool VerseNumbers() const { return bytes[5] & 2; }
    bool ReadingsRequest() const { return bytes[5] & 4; }
    bool Summary() const { return bytes[5] & 8; }
};
