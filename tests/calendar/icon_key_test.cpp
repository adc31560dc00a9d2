#include "calendar_fixture.h"

namespace {

class IconKey : public CalendarTest {
protected:
    uint16_t Icon(uint16_t key, int ch = 200, bool oldCalendar = false)
    {
        Place(QDate(2025, 10, 1), ch);
        settings.oldCalendar = oldCalendar;
        return engine.GetIconKey(key);
    }
};

TEST_F(IconKey, MovableFeastsComeFirst)
{
    EXPECT_EQ(Icon(702, 70), 1);
    EXPECT_EQ(Icon(1225, 75), 2);
    for (int ch = 77; ch <= 115; ++ch)
        EXPECT_EQ(Icon(1225, ch), 3) << ch;
    EXPECT_EQ(Icon(815, 116), 4);
    EXPECT_EQ(Icon(815, 124), 4);
    EXPECT_EQ(Icon(815, 125), 5);
    EXPECT_EQ(Icon(815, 132), 5);
    EXPECT_EQ(Icon(1226, 133), 1225);
    EXPECT_EQ(Icon(1226, 76), 1225);   // Great Saturday goes by the key
    for (int ch = 71; ch <= 74; ++ch)
        EXPECT_EQ(Icon(324, ch), 325) << ch;
    EXPECT_EQ(Icon(324, 69), 325);
}

TEST_F(IconKey, MappingIsOneStepOnly)
{
    EXPECT_EQ(Icon(1225), 1225);
    EXPECT_EQ(Icon(1226), 1225);
    EXPECT_EQ(Icon(1220), 1225);
    EXPECT_EQ(Icon(129), 1220);
    EXPECT_EQ(Icon(719), 102);
    EXPECT_EQ(Icon(102), 106);
}

TEST_F(IconKey, KeyTableBoundaries)
{
    const std::pair<uint16_t, uint16_t> cases[] = {
        {101, 101}, {102, 106}, {105, 106}, {106, 106}, {107, 106}, {114, 106}, {115, 115},
        {127, 1113}, {128, 128},
        {201, 202}, {202, 202}, {203, 202}, {207, 202}, {208, 208},
        {224, 107}, {525, 107}, {923, 107}, {324, 325}, {325, 325}, {713, 326}, {802, 1227},
        {804, 804}, {805, 806}, {806, 806}, {807, 806}, {813, 806},
        {814, 815}, {815, 815}, {816, 815}, {823, 815}, {824, 824},
        {906, 906}, {907, 908}, {908, 908}, {909, 908}, {912, 908},
        {913, 914}, {914, 914}, {915, 914}, {921, 914}, {922, 922},
        {1119, 1119}, {1120, 1121}, {1121, 1121}, {1122, 1121}, {1125, 1121}, {1126, 1126},
        {1219, 1219}, {1224, 1225}, {1231, 1225}, {10619, 10619},
    };
    for (const auto& [key, icon] : cases)
        EXPECT_EQ(Icon(key), icon) << key;
}

TEST_F(IconKey, July2DependsOnTheCalendar)
{
    EXPECT_EQ(Icon(702, 200, false), 619);
    EXPECT_EQ(Icon(702, 200, true), 702);
    EXPECT_EQ(Icon(619, 200, false), 619);
}

} // namespace
