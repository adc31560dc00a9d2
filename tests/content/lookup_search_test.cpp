// The saint search over small day tables, in both record layouts.
#include <gtest/gtest.h>

#include <vector>

#include "lookup_search.h"

namespace {

struct __attribute__((packed)) PackedRecord {
    uint16_t DayKey;
    const char* Names;
};

struct AlignedRecord {
    uint16_t DayKey;
    const char* Names;
};

static_assert(sizeof(PackedRecord) == 10);
static_assert(sizeof(AlignedRecord) == 16);

template <typename Record>
class LookupSearch : public ::testing::Test {
protected:
    // A short year around February 29.
    std::vector<Record> table = {
        {101, "CIRCUMCISION OF OUR LORD ST BASIL THE GREAT"},
        {228, "ST JOHN CASSIAN"},
        {229, "ST JOHN CASSIAN ST LEAPYEAR"},
        {301, "MARTYR EUDOCIA"},
        {302, "HIEROMARTYR THEODOTUS"},
        {1231, "ST MELANIA THE YOUNGER ST ZOTICUS"},
    };

    uint16_t Search(const char* text, uint16_t from)
    {
        return selvcontent::SearchLookupTable(table.data(), static_cast<int>(table.size()), text, from);
    }
};

using Layouts = ::testing::Types<PackedRecord, AlignedRecord>;
TYPED_TEST_SUITE(LookupSearch, Layouts);

} // namespace

TYPED_TEST(LookupSearch, FindsTheNextDayAndWrapsAroundTheYear)
{
    EXPECT_EQ(this->Search("EUDOCIA", 101), 301);
    EXPECT_EQ(this->Search("BASIL", 301), 101);     // wraps from the last day
    EXPECT_EQ(this->Search("ST", 101), 228);        // the day after FromKey comes first
    EXPECT_EQ(this->Search("ST", 1231), 101);
}

TYPED_TEST(LookupSearch, FromKeysOwnDayIsTriedLast)
{
    EXPECT_EQ(this->Search("ZOTICUS", 1231), 1231);
    EXPECT_EQ(this->Search("THEODOTUS", 302), 302);
    EXPECT_EQ(this->Search("THEODOTUS", 301), 302);
}

TYPED_TEST(LookupSearch, FebruaryTwentyNinthCountsOnlyFromItself)
{
    for (uint16_t from : {101, 228, 301, 302, 1231})
        EXPECT_EQ(this->Search("LEAPYEAR", from), 0) << from;
    EXPECT_EQ(this->Search("LEAPYEAR", 229), 229);
    EXPECT_EQ(this->Search("CASSIAN", 229), 228);   // ... and then as the last day tried
    EXPECT_EQ(this->Search("CASSIAN", 228), 228);   // February 29 passed over, 228 found last
}

TYPED_TEST(LookupSearch, CaseAndEmptyText)
{
    EXPECT_EQ(this->Search("eudocia", 101), 301);
    EXPECT_EQ(this->Search("EuDoCiA", 101), 301);
    EXPECT_EQ(this->Search("", 101), 0);
    EXPECT_EQ(this->Search(nullptr, 101), 0);
    EXPECT_EQ(this->Search("NOBODY", 101), 0);
    EXPECT_EQ(this->Search("A VERY LONG TEXT THAT IS LONGER THAN ANY NAMES OF ANY DAY IN THIS TABLE AT ALL", 101), 0);
}

TYPED_TEST(LookupSearch, AccentedLettersOfTheCodePageMatchTheirCapitals)
{
    this->table = {{502, "MARTYRS HESPERUS HIS WIFE ZO\xC3\x8B"}, {619, "ST PA\xC3\x8FSIUS THE GREAT"},
                   {1202, "ST STEPHEN URO\xC5\xA0 KING OF SERBIA"}, {1203, "\xC3\x89MILE \xC5\xB8VES"}};
    EXPECT_EQ(this->Search("zo\xC3\xAB", 101), 502);          // zoë
    EXPECT_EQ(this->Search("Pa\xC3\xAFsius", 101), 619);      // Païsius
    EXPECT_EQ(this->Search("Uro\xC5\xA1", 101), 1202);        // Uroš
    EXPECT_EQ(this->Search("\xC3\xA9mile \xC3\xBFves", 101), 1203);
    EXPECT_EQ(this->Search("PAISIUS", 101), 0);                 // an accented letter is not its plain one
}

TYPED_TEST(LookupSearch, MatchesMayStartInsideAWordButMustEndAtADelimiter)
{
    EXPECT_EQ(this->Search("ASIL", 1231), 101);    // inside BASIL, ends at a blank
    EXPECT_EQ(this->Search("BAS", 1231), 0);       // followed by a letter
    EXPECT_EQ(this->Search("GREAT", 1231), 101);   // ends at the end of the names
}

TYPED_TEST(LookupSearch, DelimiterRules)
{
    this->table = {{101, "JOHN,PAUL"}, {102, "JOHN2 PETER"}, {103, "JOHN\xC3\x89 ANDREW"}, {104, "JOHNNY"}, {105, "JOHN"}};
    EXPECT_EQ(this->Search("JOHN", 105), 101);    // a comma ends a match
    EXPECT_EQ(this->Search("JOHN", 101), 103);    // a digit does not; an accented byte does
    EXPECT_EQ(this->Search("JOHN", 103), 105);    // a letter does not; the end of the names does
    this->table = {{101, "JOHN PAUL"}, {102, "JOHN:MARK"}, {103, "JOHN&MARY"}, {104, "JOHN'S"}};
    EXPECT_EQ(this->Search("JOHN", 101), 102);
    EXPECT_EQ(this->Search("JOHN", 102), 103);
    EXPECT_EQ(this->Search("JOHN", 103), 104);
    EXPECT_EQ(this->Search("JOHN", 104), 101);
}

TYPED_TEST(LookupSearch, AKeyNotInTheTableSearchesOnePassFromTheFirstDay)
{
    EXPECT_EQ(this->Search("ST", 0), 101);
    EXPECT_EQ(this->Search("ZOTICUS", 1232), 1231);
    EXPECT_EQ(this->Search("NOBODY", 10619), 0);   // ends after one pass
    EXPECT_EQ(this->Search("LEAPYEAR", 0), 0);
}

TEST(LookupSearchBytes, DelimitersAreEveryByteButAsciiLettersAndDigits)
{
    int delimiters = 0;
    for (int c = 0; c < 256; ++c)
        delimiters += selvcontent::IsNameDelimiter(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_EQ(delimiters, 194);
    EXPECT_TRUE(selvcontent::IsNameDelimiter(0));
    EXPECT_TRUE(selvcontent::IsNameDelimiter(0x80));
    EXPECT_TRUE(selvcontent::IsNameDelimiter(0xFF));
    EXPECT_FALSE(selvcontent::IsNameDelimiter('z'));
}

TYPED_TEST(LookupSearch, EmptyOrMissingNamesNeverMatch)
{
    this->table = {{101, ""}, {102, nullptr}, {103, "A"}};
    EXPECT_EQ(this->Search("A", 103), 103);
    EXPECT_EQ(this->Search("B", 101), 0);
}
