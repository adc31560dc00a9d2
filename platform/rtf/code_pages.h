#pragma once
// Single-byte code pages of RTF text: the charset of a font chooses the code page of
// its \'xx bytes; \ansicpg gives the default.
#include <QChar>

inline constexpr int kSymbolCodePage = 42;   // symbol fonts: bytes pass through unchanged

int CodePageOfCharset(int charset, int ansiCodePage);
// A code page without a table here reads as 1252.
QChar DecodeByte(unsigned char byte, int codePage);
