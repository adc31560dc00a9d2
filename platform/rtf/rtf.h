#pragma once
// Rich text (RTF) in and out of a QTextDocument: what the day pages, the content
// libraries' documents and the personalized page files hold.
#include <QByteArray>

class QTextDocument;

// Replaces the document's contents with `data` and empties its undo history. Data that does
// not begin with "{\rtf" loads as plain text (UTF-8 when it is valid UTF-8, else Windows-1252).
// Reading stops at a NUL byte. Damaged RTF loads as far as it can. Returns true when the data
// was RTF, false for plain text. A table loads as a paragraph per row, its cells separated by
// tabs.
bool LoadRtf(QTextDocument& document, const QByteArray& data);

// The document as RTF that LoadRtf reads back with the same fonts, colours, bold, italic, other
// weights, widths, underline, strike-out, superscript and subscript, highlight colours, sizes
// (pixel sizes as points), alignment (left and right as they show), indents, paragraph spacing,
// page breaks and bullets; non-ASCII as \uN. See-through colours are written as they show on
// white, transparent ones not at all. A table's rows become paragraphs of their cells' text
// separated by tabs; images are left out.
QByteArray SaveRtf(const QTextDocument& document);
