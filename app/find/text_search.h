#pragma once
// The program's one text search: a plain search over the text of an editor, forwards or
// backwards from its selection, optionally case-sensitive and for whole words only.
#include <QString>
#include <QStringView>

#include <cstdint>

class QTextEdit;

// Bits of the search options.
constexpr uint16_t FindDown = 0x0001;        // search forwards (down)
constexpr uint16_t FindMatchCase = 0x0020;
constexpr uint16_t FindWholeWord = 0x0800;

// Everything but letters, digits and the marks of letters, of any script, separates words.
bool IsWordDelimiter(QChar c);

// The position in `buffer` of the first match beyond the selection (searching down) or
// the last match ending at or before the selection start (searching up); -1 for none.
qsizetype SearchTextBuffer(QStringView buffer, qsizetype selStart, qsizetype selLength,
                           const QString& searchText, uint16_t options);

// Searches the editor's text from its selection; a match is selected and scrolled into
// view. False when nothing is found.
bool FindInRichEdit(QTextEdit* edit, const QString& searchText, uint16_t options);
