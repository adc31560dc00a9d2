#include "text_search.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {

// Positions outside the buffer count as delimiters; a letter beyond the 16-bit range, held in
// two code units, is a word character in both.
bool DelimiterAt(QStringView buffer, qsizetype pos)
{
    if (pos < 0 || pos >= buffer.size())
        return true;
    const QChar c = buffer[pos];
    if (c.isHighSurrogate() && pos + 1 < buffer.size() && buffer[pos + 1].isLowSurrogate())
        return !QChar::isLetterOrNumber(QChar::surrogateToUcs4(c, buffer[pos + 1]));
    if (c.isLowSurrogate() && pos > 0 && buffer[pos - 1].isHighSurrogate())
        return !QChar::isLetterOrNumber(QChar::surrogateToUcs4(buffer[pos - 1], c));
    return IsWordDelimiter(c);
}

// Moves the cursor to the next word start in the search direction, one character per step
// while `count` (the candidates left) allows.
void AdvanceToWordStart(QStringView buffer, qsizetype& cursor, qsizetype& count, bool forward)
{
    if (forward) {
        // A word that starts at the cursor is a candidate itself; inside a word, skip its rest.
        if (!DelimiterAt(buffer, cursor - 1))
            while (count > 0 && !DelimiterAt(buffer, cursor)) {
                ++cursor;
                --count;
            }
        while (count > 0 && DelimiterAt(buffer, cursor)) {
            ++cursor;
            --count;
        }
        return;
    }
    const qsizetype from = cursor;
    while (count > 0 && DelimiterAt(buffer, cursor)) {
        --cursor;
        --count;
    }
    while (count > 0 && !DelimiterAt(buffer, cursor)) {
        --cursor;
        --count;
    }
    // Stopped on the delimiter before a word: the word starts one further on. Only a cursor
    // that moved steps back, so that every call leaves the search nearer its end.
    if (cursor < from && DelimiterAt(buffer, cursor)) {
        ++cursor;
        ++count;
    }
}

} // namespace

bool IsWordDelimiter(QChar c)
{
    // Letters and digits of every script, and the marks that go with letters, make words.
    return !(c.isLetterOrNumber() || c.isMark());
}

qsizetype SearchTextBuffer(QStringView buffer, qsizetype selStart, qsizetype selLength,
                           const QString& searchText, uint16_t options)
{
    const qsizetype length = buffer.size();
    const qsizetype L = searchText.size();
    if (length <= 0 || L == 0)
        return -1;
    const bool forward = options & FindDown;
    const qsizetype direction = forward ? 1 : -1;
    qsizetype start = 0;
    qsizetype count = 0;
    if (forward) {
        start = selStart + selLength;
        count = length - start - L;
        if (count < 0)
            return -1;
    } else {
        start = selStart - L;
        count = start;
    }
    if (start < 0 || start > length)
        return -1;

    const bool matchCase = options & FindMatchCase;
    const bool wholeWord = options & FindWholeWord;
    // Case-insensitive: both sides compared in capitals, one character for one.
    QString key = searchText;
    if (!matchCase)
        for (QChar& c : key)
            c = c.toUpper();
    const auto map = [matchCase](QChar c) { return matchCase ? c : c.toUpper(); };

    qsizetype candidate = start;
    while (count >= 0) {
        if (wholeWord)
            AdvanceToWordStart(buffer, candidate, count, forward);
        qsizetype i = 0;
        while (i < L && map(buffer[candidate + i]) == key[i])
            ++i;
        // A whole word begins at a word start and is followed by a delimiter or the end.
        if (i == L && (!wholeWord || (DelimiterAt(buffer, candidate - 1) &&
                                      DelimiterAt(buffer, candidate + L))))
            return candidate;
        candidate += direction;
        --count;
    }
    return -1;
}

bool FindInRichEdit(QTextEdit* edit, const QString& searchText, uint16_t options)
{
    if (searchText.isEmpty())
        return false;
    // Positions in the plain text are the document's cursor positions.
    const QString text = edit->toPlainText();
    if (text.isEmpty())
        return false;
    QTextCursor cursor = edit->textCursor();
    const qsizetype found = SearchTextBuffer(text, cursor.selectionStart(),
                                             cursor.selectionEnd() - cursor.selectionStart(),
                                             searchText, options);
    if (found < 0)
        return false;
    cursor.setPosition(int(found));
    cursor.setPosition(int(found + searchText.size()), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    return true;
}
