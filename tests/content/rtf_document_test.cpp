// The RTF documents and name records written from the sources.
#include <gtest/gtest.h>

#include "name_record.h"
#include "rtf_document.h"

using namespace contentsrc;

namespace {

Day SampleDay()
{
    Day day;
    day.key = 101;
    day.commemorations.push_back({"Circumcision of Our Lord", {"On the eighth day {as the Law bade}."}, {}});
    day.commemorations.push_back({"St Basil the Great", {"Born in Caesarea.", "A second paragraph."},
                                  {{"Troparion, Tone 1", {"Thy voice went out."}}, {"Kontakion, Tone 4", {"Thou wast."}}}});
    return day;
}

} // namespace

TEST(RtfDocument, EscapesBracesBackslashesAndNonAscii)
{
    EXPECT_EQ(RtfEscape("a\\b{c}d"), "a\\\\b\\{c\\}d");
    EXPECT_EQ(RtfEscape("Pa\xC3\xAFsius"), "Pa\\u239?sius");                 // U+00EF
    EXPECT_EQ(RtfEscape("\xE2\x80\x99"), "\\u8217?");                       // right quotation mark
    EXPECT_EQ(RtfEscape("\xEF\xAC\x81"), "\\u-1279?");                      // U+FB01 is written signed
    EXPECT_EQ(RtfEscape("\xF0\x9F\x95\x8A"), "\\u-10179?\\u-8886?");         // outside the BMP: two units
    EXPECT_EQ(RtfEscape("tab\there"), "tab here");
}

TEST(RtfDocument, PaddingMakesAMultipleOfFourWithOneToFourNuls)
{
    for (size_t length = 1; length <= 8; ++length) {
        const std::string padded = PadWithNuls(std::string(length, 'x'));
        EXPECT_EQ(padded.size() % 4, 0u);
        const size_t nuls = padded.size() - length;
        EXPECT_GE(nuls, 1u);
        EXPECT_LE(nuls, 4u);
        EXPECT_EQ(padded.find('\0'), length);
    }
}

TEST(RtfDocument, LivesDocumentListsTheDayThenTheLives)
{
    const std::string rtf = LivesDocument(SampleDay());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("Times New Roman"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos);
    const size_t list1 = rtf.find("CIRCUMCISION OF OUR LORD");
    const size_t list2 = rtf.find("ST BASIL THE GREAT");
    const size_t life1 = rtf.find("On the eighth day \\{as the Law bade\\}.");
    const size_t life2 = rtf.find("Born in Caesarea.");
    ASSERT_NE(life2, std::string::npos);
    EXPECT_LT(list1, list2);
    EXPECT_LT(list2, life1);
    EXPECT_LT(life1, life2);
    EXPECT_NE(rtf.find("ST BASIL THE GREAT", list2 + 1), std::string::npos);   // heading of its life
    EXPECT_EQ(rtf.back(), '\n');
    EXPECT_EQ(rtf[rtf.size() - 2], '}');
}

TEST(RtfDocument, HymnsDocumentHeadsEachHymnWithItsCommemoration)
{
    const std::string rtf = HymnsDocument(SampleDay());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    const size_t heading = rtf.find("ST BASIL THE GREAT");
    const size_t troparion = rtf.find("Troparion, Tone 1");
    const size_t text = rtf.find("Thy voice went out.");
    const size_t kontakion = rtf.find("Kontakion, Tone 4");
    ASSERT_NE(kontakion, std::string::npos);
    EXPECT_LT(heading, troparion);
    EXPECT_LT(troparion, text);
    EXPECT_LT(text, kontakion);
    EXPECT_NE(rtf.find("CIRCUMCISION OF OUR LORD"), std::string::npos);
}

TEST(NameRecord, CapitalsSingleBlanksAndOnlyTheKeptPunctuation)
{
    Day day;
    day.commemorations.push_back({"St Gregory, Bishop of Nazianzus", {}, {}});
    day.commemorations.push_back({"Ven. Juliana (of Lazarevskoye)", {}, {}});
    day.commemorations.push_back({"SS Constantine & Helen, Equal-to-the-Apostles", {}, {}});
    day.commemorations.push_back({"St Patrick\xE2\x80\x99s  Day: \"Apostle\" of Ireland?", {}, {}});
    EXPECT_EQ(NameRecord(day),
              "ST GREGORY, BISHOP OF NAZIANZUS VEN JULIANA OF LAZAREVSKOYE "
              "SS CONSTANTINE & HELEN, EQUAL TO THE APOSTLES ST PATRICK'S DAY: APOSTLE OF IRELAND");
}

TEST(NameRecord, KeepsAccentedLettersInCapitals)
{
    Day day;
    day.commemorations.push_back({"St Pa\xC3\xAFsius the Great", {}, {}});
    EXPECT_EQ(NameRecord(day), "ST PA\xC3\x8FSIUS THE GREAT");
}
