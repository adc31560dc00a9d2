// The supplemental icon library loaded at run time, and the main icon library.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <set>

#include "content_api.h"
#include "content_test_support.h"
#include "resources.h"
#include "rtf_document.h"

namespace {

constexpr uint16_t kSecondIconDays[] = {101, 223, 409, 423, 509, 611, 620, 715, 801, 901, 1001, 1109, 1125, 1213};

std::set<unsigned> SupplementalKeys()
{
    std::set<unsigned> keys;
    for (uint16_t key : contentsrc::DocumentKeys())
        if (key < 10000)
            keys.insert(10000u + key);
    for (uint16_t key : kSecondIconDays)
        keys.insert(20000u + key);
    return keys;
}

// The keys the program asks the main library for: moveable feasts and generic icons 1 to 8,
// the generic icons by month, the icons the icon-key table maps days to, and the great feasts.
const std::set<unsigned> kMainKeys = {
    1, 2, 3, 4, 5, 6, 7, 8,
    106, 202, 325, 806, 815, 908, 914, 1121, 1225,
    102, 107, 326, 619, 1113, 1220, 1227,
    101, 624, 629, 829, 1001};

// The supplemental library, opened by path like the program does and closed again.
class SupplementalLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        handle = dlopen(SELV_PROGRAM_DIR "/libselvxtra.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        load = reinterpret_cast<LoadMultJpgFromResourceFn>(dlsym(handle, "LoadMultJpgFromResource"));
        find = reinterpret_cast<FindMultJpgResourceFn>(dlsym(handle, "FindMultJpgResource"));
        instance = reinterpret_cast<GetMultInstanceFn>(dlsym(handle, "GetMultInstance"));
        ASSERT_NE(load, nullptr);
        ASSERT_NE(find, nullptr);
        ASSERT_NE(instance, nullptr);
    }

    void TearDown() override
    {
        if (handle) {
            EXPECT_EQ(dlclose(handle), 0);
        }
    }

    std::string Caption(unsigned key)
    {
        char buffer[256];
        return rsrc::LoadString(instance(), key, buffer, sizeof buffer) > 0 ? buffer : "";
    }

    void* handle = nullptr;
    LoadMultJpgFromResourceFn load = nullptr;
    FindMultJpgResourceFn find = nullptr;
    GetMultInstanceFn instance = nullptr;
};

} // namespace

TEST_F(SupplementalLibrary, FindsAndLoadsFebruaryTwentyNinthAndTheLastSecondIcon)
{
    for (uint16_t key : {10229, 21213, 10101, 20101, 11231}) {
        const rsrc::HRSRC found = find(key);
        ASSERT_NE(found, nullptr) << key;
        const void* bytes = load(key);
        ASSERT_NE(bytes, nullptr) << key;
        EXPECT_GT(rsrc::SizeofResource(instance(), found), 1000u);
        EXPECT_FALSE(Caption(key).empty()) << key;
    }
}

TEST_F(SupplementalLibrary, HoldsNoSecondIconForOrdinaryDaysAndNoThirdAtAll)
{
    for (uint16_t key : {20102, 20229, 21231, 30101, 31213, 40101, 10000, 10132, 10230, 11232, 9999, 101, 0}) {
        EXPECT_EQ(find(key), nullptr) << key;
        EXPECT_EQ(load(key), nullptr) << key;
    }
}

TEST_F(SupplementalLibrary, ExactlyTheDaysIconsEachWithACaptionAndABaselineImage)
{
    const std::set<unsigned> expected = SupplementalKeys();
    ASSERT_EQ(expected.size(), 380u);
    for (unsigned key = 0; key <= 65535; ++key) {
        const uint16_t id = static_cast<uint16_t>(key);
        const bool wanted = expected.count(key) != 0;
        ASSERT_EQ(find(id) != nullptr, wanted) << key;
        const std::string caption = Caption(key);
        ASSERT_EQ(!caption.empty(), wanted) << "caption " << key;
        if (!wanted)
            continue;
        EXPECT_GE(caption.size(), 3u) << key;
        EXPECT_LE(caption.size(), 121u) << key;
        const auto image = contenttest::DecodeJpeg(load(id), rsrc::SizeofResource(instance(), find(id)));
        EXPECT_TRUE(image.decoded) << key;
        EXPECT_FALSE(image.progressive) << key;
        // One size for all, so that the icon column keeps still from day to day.
        EXPECT_EQ(image.width, 208) << key;
        EXPECT_EQ(image.height, 280) << key;
    }
}

TEST_F(SupplementalLibrary, CaptionsNameTheDaysFirstAndSecondCommemorations)
{
    const auto& lives = contenttest::SourceYear().lives;
    for (const contentsrc::Day& day : lives) {
        if (day.key >= 10000)
            continue;
        const std::string first = Caption(10000u + day.key);
        EXPECT_EQ(contentsrc::Upper(day.commemorations[0].title).rfind(first, 0), 0u) << day.key << ": " << first;
    }
    const auto dayOf = [&](uint16_t key) {
        for (const auto& day : lives)
            if (day.key == key)
                return day;
        return contentsrc::Day{};
    };
    for (uint16_t key : kSecondIconDays) {
        const auto day = dayOf(key);
        const auto& saint = day.commemorations.at(day.commemorations.size() > 1 ? 1 : 0);
        EXPECT_EQ(contentsrc::Upper(saint.title).rfind(Caption(20000u + key), 0), 0u) << key;
    }
}

TEST(MainIconLibrary, AnswersTheProgramsKeysWithCaptionedImagesAndNothingFromTenThousand)
{
    char buffer[256];
    for (unsigned key : kMainKeys)
        EXPECT_NE(FindJpgResource(static_cast<uint16_t>(key)), nullptr) << key;
    for (unsigned key = 0; key <= 65535; ++key) {
        const uint16_t id = static_cast<uint16_t>(key);
        const rsrc::HRSRC found = FindJpgResource(id);
        const void* bytes = LoadJpgFromResource(id);
        ASSERT_EQ(found != nullptr, bytes != nullptr) << key;
        ASSERT_EQ(found != nullptr, rsrc::LoadString(GetInstance(), key, buffer, sizeof buffer) > 0) << key;
        if (key >= 10000) {
            ASSERT_EQ(found, nullptr) << key;
        } else if (found) {
            const auto image = contenttest::DecodeJpeg(bytes, rsrc::SizeofResource(GetInstance(), found));
            EXPECT_TRUE(image.decoded) << key;
            EXPECT_EQ(image.width, 208) << key;
            EXPECT_EQ(image.height, 280) << key;
        }
    }
}

TEST(MainIconLibrary, TheIconOfOldJuneNineteenIsStJohnMaximovich)
{
    // Key 619 is shown on old June 19 and, in new-calendar mode, for civil July 2 (the icon key
    // of 702), but not on civil June 19: it is the icon of St John (Maximovich), who reposed on
    // June 19 of the old calendar.
    char buffer[256];
    ASSERT_GT(rsrc::LoadString(GetInstance(), 619, buffer, sizeof buffer), 0);
    EXPECT_NE(std::string(buffer).find("MAXIMOVICH"), std::string::npos) << buffer;
}
