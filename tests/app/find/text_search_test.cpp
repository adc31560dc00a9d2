#include <gtest/gtest.h>

#include "text_search.h"

namespace {

constexpr uint16_t Down = FindDown;
constexpr uint16_t Up = 0;

// Searches the whole text from its start (down) or from its end (up).
qsizetype FindIn(const QString& text, const QString& what, uint16_t options)
{
    const qsizetype from = (options & FindDown) ? 0 : text.size();
    return SearchTextBuffer(text, from, 0, what, options);
}

TEST(TextSearch, DirectionStartsBeyondTheSelection)
{
    const QString text = QStringLiteral("abc abc abc");
    // Down starts after the selection; the selection itself is not found again.
    EXPECT_EQ(SearchTextBuffer(text, 0, 3, QStringLiteral("abc"), Down), 4);
    EXPECT_EQ(SearchTextBuffer(text, 4, 3, QStringLiteral("abc"), Down), 8);
    EXPECT_EQ(SearchTextBuffer(text, 8, 3, QStringLiteral("abc"), Down), -1);
    EXPECT_EQ(SearchTextBuffer(text, text.size(), 0, QStringLiteral("abc"), Down), -1);
    // Up finds only matches that end at or before the selection start.
    EXPECT_EQ(SearchTextBuffer(text, 8, 3, QStringLiteral("abc"), Up), 4);
    EXPECT_EQ(SearchTextBuffer(text, 6, 0, QStringLiteral("abc"), Up), 0);
    EXPECT_EQ(SearchTextBuffer(text, 7, 0, QStringLiteral("abc"), Up), 4);
    EXPECT_EQ(SearchTextBuffer(text, 2, 0, QStringLiteral("abc"), Up), -1);
    // Nothing to search in or for.
    EXPECT_EQ(SearchTextBuffer(QString(), 0, 0, QStringLiteral("a"), Down), -1);
    EXPECT_EQ(SearchTextBuffer(text, 0, 0, QString(), Down), -1);
    EXPECT_EQ(SearchTextBuffer(QStringLiteral("ab"), 0, 0, QStringLiteral("abc"), Down), -1);
}

TEST(TextSearch, CaseIsIgnoredUnlessMatchCase)
{
    const QString text = QStringLiteral("Saint ANNA and élie");
    EXPECT_EQ(FindIn(text, QStringLiteral("Anna"), Down), 6);
    EXPECT_EQ(FindIn(text, QStringLiteral("Anna"), Up), 6);
    EXPECT_EQ(FindIn(text, QStringLiteral("Anna"), Down | FindMatchCase), -1);
    EXPECT_EQ(FindIn(text, QStringLiteral("ANNA"), Down | FindMatchCase), 6);
    EXPECT_EQ(FindIn(text, QStringLiteral("ÉLIE"), Down), 15);
    EXPECT_EQ(FindIn(text, QStringLiteral("ÉLIE"), Down | FindMatchCase), -1);
}

TEST(TextSearch, WholeWordNeedsDelimitersOnBothSides)
{
    const uint16_t down = Down | FindWholeWord;
    const uint16_t up = Up | FindWholeWord;
    for (const uint16_t options : {down, up}) {
        EXPECT_EQ(FindIn(QStringLiteral("Johnson"), QStringLiteral("John"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("St Johnson"), QStringLiteral("John"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("John1 x"), QStringLiteral("John"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("xJohn"), QStringLiteral("John"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("x_John_the"), QStringLiteral("John"), options), 2);
        EXPECT_EQ(FindIn(QStringLiteral("St John, x"), QStringLiteral("John"), options), 3);
        EXPECT_EQ(FindIn(QStringLiteral("St John x"), QStringLiteral("John"), options), 3);
        // Letters and digits of any script, and the marks of letters, continue a word.
        EXPECT_EQ(FindIn(QStringLiteral("St Johné"), QStringLiteral("John"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("St Jose\u0301"), QStringLiteral("Jose"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("Аннам Анна"), QStringLiteral("Анна"), options), 6);
        EXPECT_EQ(FindIn(QStringLiteral("x \U0001D400Anna"), QStringLiteral("Anna"), options), -1);
        EXPECT_EQ(FindIn(QStringLiteral("St John"), QStringLiteral("John"), options), 3);
        // A word at the very start and a word right where the search starts.
        EXPECT_EQ(FindIn(QStringLiteral("John Smith"), QStringLiteral("John"), options), 0);
        EXPECT_EQ(FindIn(QStringLiteral("John"), QStringLiteral("John"), options), 0);
    }
    // The first whole word in the search direction.
    const QString text = QStringLiteral("Johnson John Johns John");
    EXPECT_EQ(FindIn(text, QStringLiteral("John"), down), 8);
    EXPECT_EQ(FindIn(text, QStringLiteral("John"), up), 19);
    EXPECT_EQ(SearchTextBuffer(text, 19, 0, QStringLiteral("John"), up), 8);
    EXPECT_EQ(SearchTextBuffer(text, 9, 0, QStringLiteral("John"), down), 19);
}

TEST(TextSearch, BackwardWholeWordSearchEndsOnTextsStartingWithADelimiter)
{
    // Each of these once kept the search up stepping on the spot at the text's start.
    const uint16_t up = Up | FindWholeWord;
    const QString texts[] = {QStringLiteral(" My note"), QStringLiteral("\u201CHoly Father\u201D, pray"),
                             QStringLiteral("\u1F0D\u03B3\u03B9\u03B5 \u03C4\u03BF\u1FE6 \u0398\u03B5\u03BF\u1FE6")};
    for (const QString& text : texts) EXPECT_EQ(FindIn(text, QStringLiteral("zzz"), up), -1) << text.toStdString();
    EXPECT_EQ(FindIn(texts[1], QStringLiteral("holy"), up), 1);
    EXPECT_EQ(FindIn(texts[2], QStringLiteral("\u1F0D\u03B3\u03B9\u03B5"), up), 0);
}

TEST(TextSearch, LongTextIsSearchedToItsEnd)
{
    QString text(70000, QLatin1Char('x'));
    text += QStringLiteral(" Anna");
    EXPECT_EQ(FindIn(text, QStringLiteral("anna"), Down | FindWholeWord), 70001);
    EXPECT_EQ(FindIn(text, QStringLiteral("anna"), Up), 70001);
}

} // namespace
