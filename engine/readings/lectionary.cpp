#include "lectionary.h"

namespace {

constexpr std::string_view kLiturgy = "Liturgy";
constexpr std::string_view kNoLiturgy = "No Liturgy";
constexpr std::string_view kPresanctified = "Liturgy of the Presanctified Gifts.";
constexpr std::string_view kBasil = "Liturgy of St. Basil";
constexpr std::string_view kDead = "Commemoration of the Dead.";

// Rows scanned first by the reading and piece lookups, by the selected CycleDay.
constexpr int kBandStartDay[] = {0, 101, 261};
constexpr int kReadingBandRow[] = {1, 301, 601};
constexpr int kVerseBandRow[] = {1, 301, 601};

int Band(uint16_t cycleDay)
{
    if (cycleDay >= kBandStartDay[2]) return 2;
    return cycleDay >= kBandStartDay[1] ? 1 : 0;
}

template <typename Table, typename Key>
int FindFrom(const Table& table, int firstRow, Key key)
{
    for (int row = firstRow; row <= static_cast<int>(table.size()); ++row)
        if (key(table[row - 1])) return row;
    return 0;
}

}  // namespace

const std::array<TMatinsGospelRecord, 32> MatinsGospelTable = {{
    {1, "MATINS (I)\r\n\r\nMatthew 28:16-20", 0, "28", "16", "28", "20"},
    {2, "MATINS (II)\r\n\r\nMark 16:1-8", 1, "16", "1", "16", "8"},
    {3, "MATINS (III)\r\n\r\nMark 16:9-20", 1, "16", "9", "16", "20"},
    {4, "MATINS (IV)\r\n\r\nLuke 24:1-12", 2, "24", "1", "24", "12"},
    {5, "MATINS (V)\r\n\r\nLuke 24:12-35", 2, "24", "12", "24", "35"},
    {6, "MATINS (VI)\r\n\r\nLuke 24:36-53", 2, "24", "36", "24", "53"},
    {7, "MATINS (VII)\r\n\r\nJohn 20:1-10", 3, "20", "1", "20", "10"},
    {8, "MATINS (VIII)\r\n\r\nJohn 20:11-18", 3, "20", "11", "20", "18"},
    {9, "MATINS (IX)\r\n\r\nJohn 20:19-31", 3, "20", "19", "20", "31"},
    {10, "MATINS (X)\r\n\r\nJohn 21:1-14", 3, "21", "1", "21", "14"},
    {11, "MATINS (XI)\r\n\r\nJohn 21:15-25", 3, "21", "15", "21", "25"},
    {12, "MATINS\r\n\r\nMatthew 21:1-11, 15-17", 0, "21", "1", "21", "11"},
    {13, "MATINS\r\n\r\nMatthew 21:1-11, 15-17", 0, "21", "15", "21", "17"},
    {14, "MATINS\r\n\r\nMatthew 21:18-43", 0, "21", "18", "21", "43"},
    {15, "MATINS\r\n\r\nMatthew 22:15-23:39", 0, "22", "15", "23", "39"},
    {16, "MATINS\r\n\r\nJohn 12:17-50", 3, "12", "17", "12", "50"},
    {17, "MATINS\r\n\r\nLuke 22:1-39", 2, "22", "1", "22", "39"},
    {18, "MATINS\r\n\r\nTHE TWELVE PASSION GOSPELS\r\n\r\n(1) John 13:31-17:26", 3, "13", "31", "17", "26"},
    {19, "(2) John 18:1-27", 3, "18", "1", "18", "27"},
    {20, "(3) Matthew 26:57-75", 0, "26", "57", "26", "75"},
    {21, "(4) John 18:28-19:16", 3, "18", "28", "19", "16"},
    {22, "(5) Matthew 27:3-32", 0, "27", "3", "27", "32"},
    {23, "(6) Mark 15:16-32", 1, "15", "16", "15", "32"},
    {24, "(7) Matthew 27:33-54", 0, "27", "33", "27", "54"},
    {25, "(8) Luke 23:32-49", 2, "23", "32", "23", "49"},
    {26, "(9) John 19:25-37", 3, "19", "25", "19", "37"},
    {27, "(10) Mark 15:43-47", 1, "15", "43", "15", "47"},
    {28, "(11) John 19:38-42", 3, "19", "38", "19", "42"},
    {29, "(12) Matthew 27:62-66", 0, "27", "62", "27", "66"},
    {30, "Matthew 27:62-66", 0, "27", "62", "27", "66"},
    {31, "MATINS\r\n\r\nMark 16:9-20", 1, "16", "9", "16", "20"},
    {32, "MATINS\r\n\r\nJohn 20:19-23", 3, "20", "19", "20", "23"},
}};

const std::array<TDailyRecord, 141> DailyTable = {{
    {0, false, kLiturgy},
    {1, false, kLiturgy},
    {2, false, kLiturgy},
    {3, false, kLiturgy},
    {4, false, kLiturgy},
    {5, false, kLiturgy},
    {6, false, kLiturgy},
    {7, false, kLiturgy},
    {8, false, kLiturgy},
    {9, false, kLiturgy},
    {10, false, kLiturgy},
    {11, false, kLiturgy},
    {12, false, kLiturgy},
    {13, false, kLiturgy},
    {14, false, kLiturgy},
    {15, false, kLiturgy},
    {16, false, kLiturgy},
    {17, false, kLiturgy},
    {18, false, kLiturgy},
    {19, false, kLiturgy},
    {20, true, kDead},
    {21, false, kLiturgy},
    {22, false, kLiturgy},
    {23, false, kLiturgy},
    {24, false, kNoLiturgy},
    {25, false, kLiturgy},
    {26, false, kNoLiturgy},
    {27, true, "Commemoration of all the holy and God-bearing Fathers who shone forth in the ascetic life."},
    {28, false, kLiturgy},
    {29, false, kNoLiturgy},
    {30, false, kNoLiturgy},
    {31, false, kPresanctified},
    {32, false, kNoLiturgy},
    {33, false, kPresanctified},
    {34, true, "Commemoration of St. Theodore the Tyro."},
    {35, false, kBasil},
    {36, false, kNoLiturgy},
    {37, false, kNoLiturgy},
    {38, false, kPresanctified},
    {39, false, kNoLiturgy},
    {40, false, kPresanctified},
    {41, true, kDead},
    {42, true, "Commemoration of St. Gregory Palamas."},
    {43, false, kNoLiturgy},
    {44, false, kNoLiturgy},
    {45, false, kPresanctified},
    {46, false, kNoLiturgy},
    {47, false, kPresanctified},
    {48, true, kDead},
    {49, false, kBasil},
    {50, false, kNoLiturgy},
    {51, false, kNoLiturgy},
    {52, false, kPresanctified},
    {53, false, kNoLiturgy},
    {54, false, kPresanctified},
    {55, true, kDead},
    {56, true, "Commemoration of St. John of the Ladder (Climacus)."},
    {57, false, kNoLiturgy},
    {58, false, kNoLiturgy},
    {59, false, kPresanctified},
    {60, false, kPresanctified},
    {61, false, kPresanctified},
    {62, true, "Laudation of the Most Holy Theotokos."},
    {63, true, "Commemoration of St. Mary of Egypt."},
    {64, false, kNoLiturgy},
    {65, false, kNoLiturgy},
    {66, false, kPresanctified},
    {67, false, kNoLiturgy},
    {68, false, kPresanctified},
    {69, false, kLiturgy},
    {70, false, kLiturgy},
    {71, false, kPresanctified},
    {72, false, kPresanctified},
    {73, false, kPresanctified},
    {74, false, kBasil},
    {75, false, kNoLiturgy},
    {76, false, kBasil},
    {77, false, kLiturgy},
    {78, false, kLiturgy},
    {79, false, kLiturgy},
    {80, false, kLiturgy},
    {81, false, kLiturgy},
    {82, true, "The Life-giving Spring of the Most Holy Theotokos."},
    {83, false, kLiturgy},
    {84, false, kLiturgy},
    {85, false, kLiturgy},
    {86, true, kDead},
    {87, false, kLiturgy},
    {88, false, kLiturgy},
    {89, false, kLiturgy},
    {90, false, kLiturgy},
    {91, false, kLiturgy},
    {92, false, kLiturgy},
    {93, false, kLiturgy},
    {94, false, kLiturgy},
    {95, false, kLiturgy},
    {96, false, kLiturgy},
    {97, false, kLiturgy},
    {98, false, kLiturgy},
    {99, false, kLiturgy},
    {100, false, kLiturgy},
    {101, false, kLiturgy},
    {102, false, kLiturgy},
    {103, false, kLiturgy},
    {104, false, kLiturgy},
    {105, false, kLiturgy},
    {106, false, kLiturgy},
    {107, false, kLiturgy},
    {108, false, kLiturgy},
    {109, false, kLiturgy},
    {110, false, kLiturgy},
    {111, false, kLiturgy},
    {112, false, kLiturgy},
    {113, false, kLiturgy},
    {114, false, kLiturgy},
    {115, false, kLiturgy},
    {116, false, kLiturgy},
    {117, false, kLiturgy},
    {118, false, kLiturgy},
    {119, false, kLiturgy},
    {120, false, kLiturgy},
    {121, false, kLiturgy},
    {122, false, kLiturgy},
    {123, false, kLiturgy},
    {124, false, kLiturgy},
    {125, true, kDead},
    {126, false, kLiturgy},
    {127, false, kLiturgy},
    {128, false, kLiturgy},
    {129, false, kLiturgy},
    {130, false, kLiturgy},
    {131, false, kLiturgy},
    {132, false, kLiturgy},
    {133, false, kLiturgy},
    {134, false, kLiturgy},
    {135, false, kLiturgy},
    {136, false, kLiturgy},
    {137, false, kLiturgy},
    {138, false, kLiturgy},
    {139, false, kLiturgy},
    {140, true, "Sunday of All Saints of Russia."},
}};

const std::array<TFixedRecord, 34> FixedFeastTable = {{
    {"01/01", "The Circumcision of Our Lord Jesus Christ."},
    {"SatBefTheo", "Saturday Before the Theophany."},
    {"SunBefTheo", "Sunday Before the Theophany."},
    {"TheoRH", "Forefeast of the Theophany."},
    {"01/05", "Eve of the Theophany."},
    {"01/06", "The Holy Theophany of Our Lord, God and Saviour Jesus Christ."},
    {"SatAftTheo", "Saturday after the Theophany."},
    {"SunAftTheo", "Sunday after the Theophany."},
    {"01/30", "Synaxis of the Three Hierarchs: St. Basil the Great, St. Gregory the Theologian, "
              "and St. John Chrysostom."},
    {"02/02", "The Meeting of Our Lord, God and Saviour Jesus Christ."},
    {"03/25", "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary."},
    {"06/24", "The Nativity of St. John the Baptist."},
    {"06/29", "The Holy, Glorious and All-praised Leaders of the Apostles, Peter and Paul."},
    {"08/06", "The Holy Transfiguration of Our Lord, God and Saviour Jesus Christ."},
    {"08/15", "The Dormition of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."},
    {"08/29", "The Beheading of the Glorious Prophet, Forerunner, and Baptist John."},
    {"09/08", "The Nativity of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."},
    {"SatBefExal", "Saturday before the Exaltation of the Cross."},
    {"SunBefExal", "Sunday before the Exaltation of the Cross."},
    {"09/14", "The Universal Exaltation of the Precious and Life-giving Cross."},
    {"SatAftExal", "Saturday After the Exaltation of the Cross."},
    {"SunAftExal", "Sunday After the Exaltation of the Cross."},
    {"10/01", "The Protection of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."},
    {"SunHolyFathers", "Commemoration of the Holy Fathers of the First Six Ecumenical Councils."},
    {"11/21", "The Entry of the Most Holy Theotokos into the Temple."},
    {"12/06", "St. Nicholas the Wonderworker, archbishop of Myra in Lycia."},
    {"SecSunBefNativ", "Sunday of the Holy Forefathers."},
    {"SatBefNativ", "Saturday before the Nativity of Christ."},
    {"SunBefNativ", "Sunday before the Nativity of Christ."},
    {"NativRH", "Forefeast of the Nativity of Christ."},
    {"12/24", "The Eve of the Nativity of Christ."},
    {"12/25", "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ.\r\n"
              "The Adoration of the Magi: Melchior, Caspar, and Balthasar.\r\n"
              "Commemoration of the Shepherds in Bethlehem who were watching their flocks, and went "
              "to see the Lord."},
    {"SatAftNativ", "Saturday after the Nativity of Christ."},
    {"SunAftNativ", "Sunday after the Nativity of Christ.\r\n"
                    "Holy Righteous Ones: Joseph the Betrothed, David the King, and James the "
                    "Brother of the Lord."},
}};

int FindDailyRecord(uint16_t cycleDay)
{
    return FindFrom(DailyTable, 1, [&](const TDailyRecord& r) { return r.Day == cycleDay; });
}

int FindFixedRecord(std::string_view key)
{
    return FindFrom(FixedFeastTable, 1, [&](const TFixedRecord& r) { return r.Key == key; });
}

int FindReadingRecord(std::string_view code, uint16_t selectedCycleDay)
{
    return FindFrom(ReadingTable, kReadingBandRow[Band(selectedCycleDay)],
                    [&](const TReadingRecord& r) { return r.Code == code; });
}

int FindVerseRecord(std::string_view code, uint16_t selectedCycleDay)
{
    return FindFrom(VerseTable, kVerseBandRow[Band(selectedCycleDay)],
                    [&](const TVerseRecord& r) { return r.Code == code; });
}
