#include "resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

extern const rsrc::ResourceModule test_resources;
extern const rsrc::ResourceModule selvmain_resources;

namespace {

std::string loadString(rsrc::HMODULE module, uint32_t id, int size = 256)
{
    char buffer[256];
    const int n = rsrc::LoadString(module, id, buffer, size);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

TEST(ResourceTable, FindsBinaryResourcesByTypeAndNumber)
{
    rsrc::HRSRC res = rsrc::FindResource(&test_resources, 229, "RCDATA");
    ASSERT_NE(res, nullptr);
    EXPECT_EQ(rsrc::SizeofResource(&test_resources, res), 19u);   // the NUL byte is part of the file
    const char* text = static_cast<const char*>(rsrc::LockResource(rsrc::LoadResource(&test_resources, res)));
    EXPECT_STREQ(text, "{\\rtf1\\ansi hello}");
    EXPECT_EQ(rsrc::SizeofResource(&test_resources, rsrc::FindResource(&test_resources, 10229, "RCDATA")), 8u);
}

TEST(ResourceTable, MissingResourcesGiveNothing)
{
    EXPECT_EQ(rsrc::FindResource(&test_resources, 228, "RCDATA"), nullptr);
    EXPECT_EQ(rsrc::FindResource(&test_resources, 229, "JPG"), nullptr);
    EXPECT_EQ(rsrc::FindResource(nullptr, 229, "RCDATA"), nullptr);
    EXPECT_EQ(rsrc::SizeofResource(&test_resources, nullptr), 0u);
    EXPECT_EQ(rsrc::LoadResource(&test_resources, nullptr), nullptr);
}

TEST(ResourceTable, LoadsStringsWithEscapesAndReportsMissingOnes)
{
    EXPECT_EQ(loadString(&test_resources, 1), "One");
    EXPECT_EQ(loadString(&test_resources, 2), "A longer text with tab\t and newline\n");
    char buffer[8] = "junk";
    EXPECT_EQ(rsrc::LoadString(&test_resources, 4, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(ResourceTable, TruncatesStringsToTheBufferWithoutSplittingCharacters)
{
    EXPECT_EQ(loadString(&test_resources, 1, 3), "On");
    EXPECT_EQ(loadString(&test_resources, 3, 4), "\xC3\x84");    // 3 bytes fit, the second letter needs 2 of them
}

TEST(ProgramStrings, HoldsTheDayNames)
{
    EXPECT_EQ(loadString(&selvmain_resources, 1477), "");   // Pascha is named as a Sunday, not as a special day
    EXPECT_EQ(loadString(&selvmain_resources, 1811), "The Bright Resurrection of Christ, The Pascha of the Lord");
    EXPECT_EQ(loadString(&selvmain_resources, 1524), "Apososis of the Ascension");
    EXPECT_EQ(loadString(&selvmain_resources, 1839), "21st Sunday after Pentecost");
    EXPECT_EQ(loadString(&selvmain_resources, 1953), "36th Week after Pentecost");
    EXPECT_EQ(loadString(&selvmain_resources, 1800), "");
    EXPECT_EQ(loadString(&selvmain_resources, 1910), "");
}

} // namespace
