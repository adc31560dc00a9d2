// The Bible Readings page of chosen days, as its outline: every line of the page but the
// passages, in order. The expected outlines were worked out from the lectionary data and
// the rules of the day analysis and the page order, not taken from the program.
#include "readings_fixture.h"

#include <initializer_list>

namespace {

enum Calendars { New = 1, Old = 2, Both = 3 };
enum LukanJump { JumpOn = 1, JumpOff = 2, EitherJump = 3 };

// The page of the civil `date` in the `calendars` named, with the Lukan jump as named.
struct DayPage {
    const char* date;
    Calendars calendars;
    const char* outline;   // the lines joined by " | "
    LukanJump jump = JumpOn;
};

// Every line of the page but the passages, which begin with a blank, joined by " | ";
// failure texts begin with blanks too and are kept.
std::string Outline(const std::string& page)
{
    std::string outline;
    for (size_t at = 0; at < page.size();) {
        size_t end = page.find("\r\n", at);
        if (end == std::string::npos) end = page.size();
        const std::string line = page.substr(at, end - at);
        if (!line.empty() && (line[0] != ' ' || HasError(line)))
            outline += (outline.empty() ? "" : " | ") + line;
        at = end + 2;
    }
    return outline;
}

// How often `what` occurs in `text`.
int Count(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

class DayPages : public ReadingsTest {
protected:
    void Check(std::initializer_list<DayPage> rows)
    {
        for (const DayPage& row : rows) {
            for (bool oldCalendar : {false, true}) {
                if (!(row.calendars & (oldCalendar ? Old : New))) continue;
                for (bool jump : {true, false}) {
                    if (!(row.jump & (jump ? JumpOn : JumpOff))) continue;
                    settings.useLukanJump = jump;
                    Select(QDate::fromString(QString::fromLatin1(row.date), Qt::ISODate), oldCalendar);
                    EXPECT_EQ(Outline(Page()), row.outline)
                        << row.date << (oldCalendar ? " old calendar" : " new calendar")
                        << (jump ? "" : ", without the Lukan jump");
                }
            }
        }
    }
};

}  // namespace

// The Sundays of 2025: the Matins Gospels of the eleven-week cycle and of the Paschal
// season, the Liturgy with the Gospel after the Lukan jump (new calendar from
// September 22, old from civil September 29), the Sundays of the fixed feasts and those
// before and after them, whose keys follow the calendar in use.
TEST_F(DayPages, SundaysOf2025)
{
    Check({
        {"2025-01-05", New, "Eve of the Theophany. | VESPERS | Genesis 1:1-13"
            " | Exodus 14:15-18, 21-23, 27-29 | Exodus 15:22-16:1 | Joshua 3:7-8, 15-17"
            " | 2 Kings 2:6-14 | 2 Kings 5:9-14 | Isaiah 1:16-20 | Genesis 32:1-10"
            " | Exodus 2:5-10 | Judges 6:36-40 | 1 Kings 18:30-39 | 2 Kings 2:19-22"
            " | Isaiah 49:8-15 | LITURGY OF ST. JOHN CHRYSOSTOM | 1 Corinthians 9:19-27"
            " | Luke 3:1-18 | BLESSING OF THE WATERS | Isaiah 35:1-10 | Isaiah 55:1-13"
            " | Isaiah 12:3-6 | 1 Corinthians 10:1-4 | Mark 1:9-11 | 28th Sunday after Pentecost"
            " | MATINS (VI) | Luke 24:36-53 | Sunday Before the Theophany. | LITURGY"
            " | 2 Timothy 4:5-8 | Mark 1:1-8"},
        {"2025-01-05", Old, "Sunday before the Nativity of Christ. | VESPERS | Genesis 14:14-20"
            " | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | 28th Sunday after Pentecost"
            " | MATINS (VI) | Luke 24:36-53 | LITURGY | Hebrews 11:9-10, 17-23, 32-40"
            " | Matthew 1:1-25"},
        {"2025-01-12", New, "29th Sunday after Pentecost | MATINS (VII) | John 20:1-10"
            " | Sunday after the Theophany. | LITURGY | Ephesians 4:7-13 | Matthew 4:12-17"},
        {"2025-01-12", Old, "29th Sunday after Pentecost | MATINS (VII) | John 20:1-10"
            " | Sunday after the Nativity of Christ."
            " | Holy Righteous Ones: Joseph the Betrothed, David the King, and James the Brother of the Lord."
            " | LITURGY | Galatians 1:11-19 | Matthew 2:13-23"},
        {"2025-01-19", New, "30th Sunday after Pentecost | MATINS (VIII) | John 20:11-18"
            " | LITURGY | Colossians 3:12-16 | Luke 18:35-43"},
        {"2025-01-19", Old, "The Holy Theophany of Our Lord, God and Saviour Jesus Christ."
            " | MATINS | Mark 1:9-11 | LITURGY OF ST. BASIL | Titus 2:11-14; 3:4-7"
            " | Matthew 3:13-17"},
        {"2025-01-26", New, "31st Sunday after Pentecost | MATINS (IX) | John 20:19-31 | LITURGY"
            " | 1 Timothy 1:15-17 | Matthew 15:21-28"},
        {"2025-01-26", Old, "31st Sunday after Pentecost | MATINS (IX) | John 20:19-31"
            " | Sunday after the Theophany. | LITURGY | Ephesians 4:7-13 | Matthew 4:12-17"},
        {"2025-02-02", New, "The Meeting of Our Lord, God and Saviour Jesus Christ. | VESPERS"
            " | Exodus 12:51-13:3, 10-12, 14-16; 22:29; Leviticus 12:1-4, 6-8; Numbers 8:16-17"
            " | Isaiah 6:1-12 | Isaiah 19:1, 3-5, 12, 16, 19-21 | MATINS | Luke 2:25-32"
            " | LITURGY | Hebrews 7:7-17 | Luke 2:22-40 | Zacchaeus Sunday | MATINS (X)"
            " | John 21:1-14 | LITURGY | 1 Timothy 4:9-15 | Luke 19:1-10"},
        {"2025-02-02", Old, "Zacchaeus Sunday | MATINS (X) | John 21:1-14 | LITURGY"
            " | 1 Timothy 4:9-15 | Luke 19:1-10"},
        {"2025-02-09", Both, "Sunday of the Publican and the Pharisee | MATINS (XI)"
            " | John 21:15-25 | LITURGY | 2 Timothy 3:10-15 | Luke 18:10-14"},
        {"2025-02-16", Both, "Sunday of the Prodigan Son | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | 1 Corinthians 6:12-20 | Luke 15:11-32"},
        {"2025-02-23", Both, "Meat-fare Sunday | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | 1 Corinthians 8:8-9:2 | Matthew 25:31-46"},
        {"2025-03-02", Both, "Cheese-fare Sunday | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Romans 13:11-14:4 | Matthew 6:14-21"},
        {"2025-03-09", Both, "First Sunday of Great Lent | MATINS (IV) | Luke 24:1-12"
            " | LITURGY OF ST. BASIL | Hebrews 11:24-26, 32-12:2 | John 1:43-51"},
        {"2025-03-16", Both, "Second Sunday of Great Lent | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | Hebrews 1:10-2:3 | Mark 2:1-12 | Commemoration of St. Gregory Palamas."
            " | Hebrews 7:26-8:2 | John 10:9-16"},
        {"2025-03-23", Both, "Third Sunday of Great Lent | MATINS (VI) | Luke 24:36-53"
            " | LITURGY OF ST. BASIL | Hebrews 4:14-5:6 | Mark 8:34-9:1"},
        {"2025-03-30", Both, "Fourth Sunday of Great Lent | MATINS (VII) | John 20:1-10"
            " | LITURGY | Hebrews 6:13-20 | Mark 9:17-31"
            " | Commemoration of St. John of the Ladder (Climacus). | Ephesians 5:8-19"
            " | Matthew 4:25-5:12"},
        {"2025-04-06", Both, "Fifth Sunday of Great Lent | MATINS (VIII) | John 20:11-18"
            " | LITURGY | Hebrews 9:11-14 | Mark 10:32-45 | Commemoration of St. Mary of Egypt."
            " | Galatians 3:23-29 | Luke 7:36-50"},
        {"2025-04-13", Both, "Palm Sunday | VESPERS | Genesis 49:1-2, 8-12 | Zephaniah 3:14-19"
            " | Zechariah 9:9-15 | MATINS | Matthew 21:1-11, 15-17 | LITURGY | Philippians 4:4-9"
            " | John 12:1-18"},
        {"2025-04-20", Both, "Pascha | LITURGY | Acts 1:1-8 | John 1:1-17 | GREAT VESPERS"
            " | John 20:19-25"},
        {"2025-04-27", Both, "2nd Sunday of Pascha | MATINS (I) | Matthew 28:16-20 | LITURGY"
            " | Acts 5:12-20 | John 20:19-31"},
        {"2025-05-04", Both, "3rd Sunday of Pascha | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Acts 6:1-7 | Mark 15:43-16:8"},
        {"2025-05-11", Both, "4th Sunday of Pascha | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | Acts 9:32-42 | John 5:1-15"},
        {"2025-05-18", Both, "5th Sunday of Pascha | MATINS (VII) | John 20:1-10 | LITURGY"
            " | Acts 11:19-26, 29-30 | John 4:5-42"},
        {"2025-05-25", Both, "6th Sunday of Pascha | MATINS (VIII) | John 20:11-18 | LITURGY"
            " | Acts 16:16-34 | John 9:1-38"},
        {"2025-06-01", Both, "7th Sunday of Pascha | VESPERS | Genesis 14:14-20"
            " | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | MATINS (X) | John 21:1-14"
            " | LITURGY | Acts 20:16-18, 28-36 | John 17:1-13"},
        {"2025-06-08", Both, "Pentecost | VESPERS | Numbers 11:16-17, 24-29 | Joel 2:23-32"
            " | Ezekiel 36:24-28 | MATINS | John 20:19-23 | LITURGY | Acts 2:1-11"
            " | John 7:37-52; 8:12"},
        {"2025-06-15", Both, "1st Sunday after Pentecost | Sunday of All Saints | VESPERS"
            " | Isaiah 43:9-14 | Wisdom 3:1-9 | Wisdom 5:15-6:3 | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | Hebrews 11:33-12:2 | Matthew 10:32-33, 37-38; 19:27-30"},
        {"2025-06-22", Both, "2nd Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | Romans 2:10-16 | Matthew 4:18-23 | Sunday of All Saints of Russia. | VESPERS"
            " | Isaiah 43:9-14 | Wisdom 3:1-9 | Wisdom 5:15-6:3 | LITURGY | Hebrews 11:33-12:2"
            " | Matthew 4:25-5:12"},
        {"2025-06-29", New, "The Holy, Glorious and All-praised Leaders of the Apostles, Peter and Paul."
            " | VESPERS | 1 Peter 1:3-9 | 1 Peter 1:13-19 | 1 Peter 2:11-24 | MATINS"
            " | John 21:15-25 | LITURGY | 2 Corinthians 11:21-12:9 | Matthew 16:13-19"
            " | 3rd Sunday after Pentecost | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Romans 5:1-10 | Matthew 6:22-33"},
        {"2025-06-29", Old, "3rd Sunday after Pentecost | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Romans 5:1-10 | Matthew 6:22-33"},
        {"2025-07-06", Both, "4th Sunday after Pentecost | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | Romans 6:18-23 | Matthew 8:5-13"},
        {"2025-07-13", New, "5th Sunday after Pentecost | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | Romans 10:1-10 | Matthew 8:28-9:1"
            " | Commemoration of the Holy Fathers of the First Six Ecumenical Councils."
            " | VESPERS | Genesis 14:14-20 | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21"
            " | LITURGY | Hebrews 13:7-16 | John 17:1-13"},
        {"2025-07-13", Old, "5th Sunday after Pentecost | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | Romans 10:1-10 | Matthew 8:28-9:1"},
        {"2025-07-20", Both, "6th Sunday after Pentecost | MATINS (VI) | Luke 24:36-53 | LITURGY"
            " | Romans 12:6-14 | Matthew 9:1-8"},
        {"2025-07-27", New, "7th Sunday after Pentecost | MATINS (VII) | John 20:1-10 | LITURGY"
            " | Romans 15:1-7 | Matthew 9:27-35"},
        {"2025-07-27", Old, "7th Sunday after Pentecost | MATINS (VII) | John 20:1-10 | LITURGY"
            " | Romans 15:1-7 | Matthew 9:27-35"
            " | Commemoration of the Holy Fathers of the First Six Ecumenical Councils."
            " | VESPERS | Genesis 14:14-20 | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21"
            " | LITURGY | Hebrews 13:7-16 | John 17:1-13"},
        {"2025-08-03", Both, "8th Sunday after Pentecost | MATINS (VIII) | John 20:11-18"
            " | LITURGY | 1 Corinthians 1:10-18 | Matthew 14:14-22"},
        {"2025-08-10", Both, "9th Sunday after Pentecost | MATINS (IX) | John 20:19-31 | LITURGY"
            " | 1 Corinthians 3:9-17 | Matthew 14:22-34"},
        {"2025-08-17", Both, "10th Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | 1 Corinthians 4:9-16 | Matthew 17:14-23"},
        {"2025-08-24", Both, "11th Sunday after Pentecost | MATINS (XI) | John 21:15-25"
            " | LITURGY | 1 Corinthians 9:2-12 | Matthew 18:23-35"},
        {"2025-08-31", Both, "12th Sunday after Pentecost | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | 1 Corinthians 15:1-11 | Matthew 19:16-26"},
        {"2025-09-07", New, "13th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | 1 Corinthians 16:13-24 | Matthew 21:33-42"
            " | Sunday before the Exaltation of the Cross. | LITURGY | Galatians 6:11-18"
            " | John 3:13-17"},
        {"2025-09-07", Old, "13th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | 1 Corinthians 16:13-24 | Matthew 21:33-42"},
        {"2025-09-14", New, "The Universal Exaltation of the Precious and Life-giving Cross."
            " | VESPERS | Exodus 15:22-16:1 | Proverbs 3:11-18 | Isaiah 60:11-16 | MATINS"
            " | John 12:28-36 | LITURGY | 1 Corinthians 1:18-24"
            " | John 19:6-11, 13-20, 25-28, 30-35"},
        {"2025-09-14", Old, "14th Sunday after Pentecost | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | 2 Corinthians 1:21-2:4 | Matthew 22:1-14"},
        {"2025-09-21", New, "15th Sunday after Pentecost | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | 2 Corinthians 4:6-15 | Matthew 22:35-46"
            " | Sunday After the Exaltation of the Cross. | LITURGY | Galatians 2:16-20"
            " | Mark 8:34-9:1"},
        {"2025-09-21", Old, "The Nativity of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | MATINS"
            " | Luke 1:39-49, 56 | LITURGY | Philippians 2:5-11 | Luke 10:38-42; 11:27-28"
            " | 15th Sunday after Pentecost | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | 2 Corinthians 4:6-15 | Matthew 22:35-46"
            " | Sunday before the Exaltation of the Cross. | LITURGY | Galatians 6:11-18"
            " | John 3:13-17"},
        {"2025-09-28", New, "16th Sunday after Pentecost | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | 2 Corinthians 6:1-10 | Luke 5:1-11"},
        {"2025-09-28", Old, "16th Sunday after Pentecost | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | 2 Corinthians 6:1-10 | Matthew 25:14-30"
            " | Sunday After the Exaltation of the Cross. | LITURGY | Galatians 2:16-20"
            " | Mark 8:34-9:1"},
        {"2025-10-05", New, "17th Sunday after Pentecost | MATINS (VI) | Luke 24:36-53 | LITURGY"
            " | 2 Corinthians 6:16-7:1 | Luke 6:31-36"},
        {"2025-10-05", Old, "17th Sunday after Pentecost | MATINS (VI) | Luke 24:36-53 | LITURGY"
            " | 2 Corinthians 6:16-7:1 | Luke 5:1-11"},
        {"2025-10-12", New, "18th Sunday after Pentecost | MATINS (VII) | John 20:1-10 | LITURGY"
            " | 2 Corinthians 9:6-11 | Luke 7:11-16"},
        {"2025-10-12", Old, "18th Sunday after Pentecost | MATINS (VII) | John 20:1-10 | LITURGY"
            " | 2 Corinthians 9:6-11 | Luke 6:31-36"},
        {"2025-10-19", New, "19th Sunday after Pentecost | MATINS (VIII) | John 20:11-18"
            " | LITURGY | 2 Corinthians 11:31-12:9 | Luke 8:5-15"},
        {"2025-10-19", Old, "19th Sunday after Pentecost | MATINS (VIII) | John 20:11-18"
            " | LITURGY | 2 Corinthians 11:31-12:9 | Luke 7:11-16"},
        {"2025-10-26", New, "20th Sunday after Pentecost | MATINS (IX) | John 20:19-31 | LITURGY"
            " | Galatians 1:11-19 | Luke 16:19-31"},
        {"2025-10-26", Old, "20th Sunday after Pentecost | MATINS (IX) | John 20:19-31 | LITURGY"
            " | Galatians 1:11-19 | Luke 8:5-15"},
        {"2025-11-02", New, "21st Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | Galatians 2:16-20 | Luke 8:26-39"},
        {"2025-11-02", Old, "21st Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | Galatians 2:16-20 | Luke 16:19-31"},
        {"2025-11-09", New, "22nd Sunday after Pentecost | MATINS (XI) | John 21:15-25 | LITURGY"
            " | Galatians 6:11-18 | Luke 8:41-56"},
        {"2025-11-09", Old, "22nd Sunday after Pentecost | MATINS (XI) | John 21:15-25 | LITURGY"
            " | Galatians 6:11-18 | Luke 8:26-39"},
        {"2025-11-16", New, "23rd Sunday after Pentecost | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | Ephesians 2:4-10 | Luke 10:25-37"},
        {"2025-11-16", Old, "23rd Sunday after Pentecost | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | Ephesians 2:4-10 | Luke 8:41-56"},
        {"2025-11-23", New, "24th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | Ephesians 2:14-22 | Luke 12:16-21"},
        {"2025-11-23", Old, "24th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | Ephesians 2:14-22 | Luke 10:25-37"},
        {"2025-11-30", New, "25th Sunday after Pentecost | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Ephesians 4:1-6 | Luke 13:10-17"},
        {"2025-11-30", Old, "25th Sunday after Pentecost | MATINS (III) | Mark 16:9-20 | LITURGY"
            " | Ephesians 4:1-6 | Luke 12:16-21"},
        {"2025-12-07", New, "26th Sunday after Pentecost | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | Ephesians 5:8-19 | Luke 17:12-19"},
        {"2025-12-07", Old, "26th Sunday after Pentecost | MATINS (IV) | Luke 24:1-12 | LITURGY"
            " | Ephesians 5:8-19 | Luke 13:10-17"},
        {"2025-12-14", New, "27th Sunday after Pentecost | MATINS (V) | Luke 24:12-35"
            " | Sunday of the Holy Forefathers. | LITURGY | Colossians 3:4-11 | Luke 14:16-24"},
        {"2025-12-14", Old, "27th Sunday after Pentecost | MATINS (V) | Luke 24:12-35 | LITURGY"
            " | Ephesians 6:10-17 | Luke 18:18-27"},
        {"2025-12-21", New, "Sunday before the Nativity of Christ. | VESPERS | Genesis 14:14-20"
            " | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | 28th Sunday after Pentecost"
            " | MATINS (VI) | Luke 24:36-53 | LITURGY | Hebrews 11:9-10, 17-23, 32-40"
            " | Matthew 1:1-25"},
        {"2025-12-21", Old, "28th Sunday after Pentecost | MATINS (VI) | Luke 24:36-53 | LITURGY"
            " | Colossians 1:12-18 | Luke 17:12-19"},
        {"2025-12-28", New, "29th Sunday after Pentecost | MATINS (VII) | John 20:1-10"
            " | Sunday after the Nativity of Christ."
            " | Holy Righteous Ones: Joseph the Betrothed, David the King, and James the Brother of the Lord."
            " | LITURGY | Galatians 1:11-19 | Matthew 2:13-23"},
        {"2025-12-28", Old, "29th Sunday after Pentecost | MATINS (VII) | John 20:1-10"
            " | Sunday of the Holy Forefathers. | LITURGY | Colossians 3:4-11 | Luke 14:16-24"},
    });
}

// Great feasts on weekdays, and the days before and after them that carry the
// readings of their neighbour.
TEST_F(DayPages, GreatFeastsOf2025)
{
    Check({
        {"2025-01-30", New, "Synaxis of the Three Hierarchs: St. Basil the Great, St. Gregory the Theologian, and St. John Chrysostom."
            " | VESPERS | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | Wisdom 3:1-9"
            " | MATINS | John 10:9-16 | LITURGY | Hebrews 13:7-16 | Matthew 5:14-19 | Thursday"
            " | LITURGY | James 4:7-5:9 | Mark 11:27-33"},
        {"2025-01-30", Old, "Thursday | LITURGY | James 4:7-5:9 | Mark 11:27-33"},
        {"2025-02-12", Old, "Synaxis of the Three Hierarchs: St. Basil the Great, St. Gregory the Theologian, and St. John Chrysostom."
            " | VESPERS | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | Wisdom 3:1-9"
            " | MATINS | John 10:9-16 | LITURGY | Hebrews 13:7-16 | Matthew 5:14-19 | Wednesday"
            " | LITURGY | 2 Peter 3:1-18 | Mark 13:24-31"},
        {"2025-02-14", Old, "Friday | LITURGY | 1 John 2:7-17 | Mark 14:3-9 | For Saturday:"
            " | LITURGY | 2 Timothy 3:1-9 | Luke 20:46-21:4"},
        {"2025-02-15", Old, "The Meeting of Our Lord, God and Saviour Jesus Christ. | VESPERS"
            " | Exodus 12:51-13:3, 10-12, 14-16; 22:29; Leviticus 12:1-4, 6-8; Numbers 8:16-17"
            " | Isaiah 6:1-12 | Isaiah 19:1, 3-5, 12, 16, 19-21 | MATINS | Luke 2:25-32"
            " | LITURGY | Hebrews 7:7-17 | Luke 2:22-40"},
        {"2025-03-25", New, "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | Exodus 3:1-8"
            " | Proverbs 8:22-30 | MATINS | Luke 1:39-49, 56 | LITURGY | Hebrews 2:11-18"
            " | Luke 1:24-38 | Tuesday | SIXTH HOUR | Isaiah 25:1-9 | VESPERS | Genesis 9:8-17"
            " | Proverbs 12:8-22"},
        {"2025-04-07", Old, "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | Exodus 3:1-8"
            " | Proverbs 8:22-30 | MATINS | Luke 1:39-49, 56 | LITURGY | Hebrews 2:11-18"
            " | Luke 1:24-38 | Monday | SIXTH HOUR | Isaiah 48:17-49:4 | VESPERS"
            " | Genesis 27:1-41 | Proverbs 19:16-25"},
        {"2025-06-23", New, "Monday | LITURGY | Romans 7:1-13 | Matthew 9:36-10:8 | For Tuesday:"
            " | LITURGY | Romans 7:14-8:2 | Matthew 10:9-15"},
        {"2025-06-24", New, "The Nativity of St. John the Baptist. | VESPERS"
            " | Genesis 17:15-17, 19; 18:11-14; 21:1-8 | Judges 13:2-8, 13-14, 17-18, 21"
            " | Isaiah 40:1-5, 9; 41:17-18; 45:8; 48:20-21; 54:1 | MATINS"
            " | Luke 1:24-25, 57-68, 76, 80 | LITURGY | Romans 13:11-14:4"
            " | Luke 1:1-25, 57-68, 76, 80"},
        {"2025-07-08", Old, "Tuesday | LITURGY | Romans 14:9-18 | Matthew 12:14-16, 22-30"
            " | From Monday: | LITURGY | Romans 12:4-5, 15-21 | Matthew 12:9-13"},
        {"2025-07-12", Old, "The Holy, Glorious and All-praised Leaders of the Apostles, Peter and Paul."
            " | VESPERS | 1 Peter 1:3-9 | 1 Peter 1:13-19 | 1 Peter 2:11-24 | MATINS"
            " | John 21:15-25 | LITURGY | 2 Corinthians 11:21-12:9 | Matthew 16:13-19"},
        {"2025-08-06", New, "The Holy Transfiguration of Our Lord, God and Saviour Jesus Christ."
            " | VESPERS | Exodus 24:12-18 | Exodus 33:11-23; 34:4-6, 8"
            " | 1 Kings 19:3-9, 11-13, 15-16 | MATINS | Luke 9:28-36 | LITURGY | 2 Peter 1:10-19"
            " | Matthew 17:1-9"},
        {"2025-08-06", Old, "Wednesday | LITURGY | 1 Corinthians 13:4-14:5 | Matthew 20:1-16"},
        {"2025-08-14", New, "Thursday | LITURGY | 2 Corinthians 1:1-7 | Matthew 21:43-46"
            " | For Friday: | LITURGY | 2 Corinthians 1:12-20 | Matthew 22:23-33"},
        {"2025-08-15", New, "The Dormition of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | MATINS"
            " | Luke 1:39-49, 56 | LITURGY | Philippians 2:5-11 | Luke 10:38-42; 11:27-28"},
        {"2025-08-29", New, "The Beheading of the Glorious Prophet, Forerunner, and Baptist John."
            " | VESPERS | Isaiah 40:1-5, 9; 41:17-18; 45:8; 48:20-21; 54:1"
            " | Malachi 3:1-2, 5-7, 12, 17-18; 4:4-6 | Wisdom 4:7, 16-17, 19-20; 5:1-7 | MATINS"
            " | Matthew 14:1-13 | LITURGY | Acts 13:25-33 | Mark 6:14-30"},
        {"2025-09-08", New, "The Nativity of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | MATINS"
            " | Luke 1:39-49, 56 | LITURGY | Philippians 2:5-11 | Luke 10:38-42; 11:27-28"},
        {"2025-09-09", New, "Tuesday | LITURGY | 2 Corinthians 12:20-13:2 | Mark 4:24-34"
            " | From Monday: | LITURGY | 2 Corinthians 12:10-19 | Mark 4:10-23"},
        {"2025-09-27", Old, "The Universal Exaltation of the Precious and Life-giving Cross."
            " | VESPERS | Exodus 15:22-16:1 | Proverbs 3:11-18 | Isaiah 60:11-16 | MATINS"
            " | John 12:28-36 | LITURGY | 1 Corinthians 1:18-24"
            " | John 19:6-11, 13-20, 25-28, 30-35"},
        {"2025-10-01", New, "The Protection of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | MATINS"
            " | Luke 1:39-49, 56 | LITURGY | Hebrews 9:1-7 | Luke 10:38-42; 11:27-28 | Wednesday"
            " | LITURGY | Ephesians 3:8-21 | Luke 5:33-39"},
        {"2025-10-14", Old, "The Protection of Our Most Holy Lady the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | MATINS"
            " | Luke 1:39-49, 56 | LITURGY | Hebrews 9:1-7 | Luke 10:38-42; 11:27-28 | Tuesday"
            " | LITURGY | Philippians 1:8-14 | Luke 6:37-45"},
        {"2025-11-20", New, "Thursday | LITURGY | 1 Thessalonians 5:1-8 | Luke 16:1-9"
            " | For Friday: | LITURGY | 1 Thessalonians 5:9-13, 24-28 | Luke 16:15-18; 17:1-4"},
        {"2025-11-21", New, "The Entry of the Most Holy Theotokos into the Temple. | VESPERS"
            " | Exodus 40:1-5, 9-10, 16, 34-35 | 1 Kings 7:51-8:1, 4-7, 9-11"
            " | Ezekiel 43:27-44:4 | MATINS | Luke 1:39-49, 56 | LITURGY | Hebrews 9:1-7"
            " | Luke 10:38-42; 11:27-28"},
        {"2025-12-06", New, "St. Nicholas the Wonderworker, archbishop of Myra in Lycia."
            " | VESPERS | Proverbs 10:7, 6; 3:13-16; 8:6, 32, 34-35, 4, 12, 14, 17, 5-9; 22:19"
            " | Proverbs 10:31-11:12 | Wisdom 4:7-15 | MATINS | John 10:9-16 | LITURGY"
            " | Hebrews 13:17-21 | Luke 6:17-23 | Saturday | LITURGY | Galatians 3:8-12"
            " | Luke 12:32-40"},
        {"2025-12-19", Old, "St. Nicholas the Wonderworker, archbishop of Myra in Lycia."
            " | VESPERS | Proverbs 10:7, 6; 3:13-16; 8:6, 32, 34-35, 4, 12, 14, 17, 5-9; 22:19"
            " | Proverbs 10:31-11:12 | Wisdom 4:7-15 | MATINS | John 10:9-16 | LITURGY"
            " | Hebrews 13:17-21 | Luke 6:17-23 | Friday | LITURGY | Titus 1:15-2:10"
            " | Luke 21:37-22:8"},
    });
}

// Great Lent, Holy Week and the Paschal season of 2025; on the old calendar of 1980 the
// Annunciation on Bright Monday (Pascha was Julian March 24).
TEST_F(DayPages, LentenAndPaschalWeekdays)
{
    Check({
        {"2025-03-03", Both, "Monday | SIXTH HOUR | Isaiah 1:1-20 | VESPERS | Genesis 1:1-13"
            " | Proverbs 1:1-20 | NO LITURGY"},
        {"2025-03-05", Both, "Wednesday | SIXTH HOUR | Isaiah 2:3-11 | VESPERS"
            " | Genesis 1:24-2:3 | Proverbs 2:1-22 | LITURGY OF THE PRESANCTIFIED GIFTS."},
        {"2025-03-08", Both, "Saturday | LITURGY | Hebrews 1:1-12 | Mark 2:23-3:5"
            " | Commemoration of St. Theodore the Tyro. | 2 Timothy 2:1-10 | John 15:17-16:2"},
        {"2025-03-15", Both, "Saturday | LITURGY | Hebrews 3:12-16 | Mark 1:35-44"
            " | Commemoration of the Dead. | 1 Thessalonians 4:13-17 | John 5:24-30"},
        {"2025-04-12", Both, "Saturday | LITURGY | Hebrews 12:28-13:8 | John 11:1-45"},
        {"2025-04-14", Both, "Passion Week: Great Monday | MATINS | Matthew 21:18-43"
            " | SIXTH HOUR | Ezekiel 1:1-20 | VESPERS | Exodus 1:1-20 | Job 1:1-12"
            " | LITURGY OF THE PRESANCTIFIED GIFTS. | Matthew 24:3-35"},
        {"2025-04-15", Both, "Passion Week: Great Tuesday | MATINS | Matthew 22:15-23:39"
            " | SIXTH HOUR | Ezekiel 1:21-28 | VESPERS | Exodus 2:5-10 | Job 1:13-22"
            " | LITURGY OF THE PRESANCTIFIED GIFTS. | Matthew 24:36-26:2"},
        {"2025-04-16", Both, "Passion Week: Great Wednesday | MATINS | John 12:17-50"
            " | SIXTH HOUR | Ezekiel 2:3-3:3 | VESPERS | Exodus 2:11-22 | Job 2:1-10"
            " | LITURGY OF THE PRESANCTIFIED GIFTS. | Matthew 26:6-16"},
        {"2025-04-17", Both, "Passion Week: Great Thursday | MATINS | Luke 22:1-39 | FIRST HOUR"
            " | Jeremiah 11:18-12:5, 9-11, 14-15 | VESPERS | Exodus 19:10-19"
            " | Job 38:1-23; 42:1-5 | Isaiah 50:4-11 | LITURGY OF ST. BASIL"
            " | 1 Corinthians 11:23-32 | Matthew 26:2-20 | John 13:3-17 | Matthew 26:21-39"
            " | Luke 22:43-45 | Matthew 26:40-27:2"},
        {"2025-04-18", Both, "Passion Week: Great Friday | MATINS | THE TWELVE PASSION GOSPELS"
            " | (1) John 13:31-17:26 | Chapter 13 | Chapter 14 | Chapter 15 | Chapter 16"
            " | Chapter 17 | (2) John 18:1-27 | (3) Matthew 26:57-75 | (4) John 18:28-19:16"
            " | (5) Matthew 27:3-32 | (6) Mark 15:16-32 | (7) Matthew 27:33-54"
            " | (8) Luke 23:32-49 | (9) John 19:25-37 | (10) Mark 15:43-47 | (11) John 19:38-42"
            " | (12) Matthew 27:62-66 | ROYAL HOURS | FIRST HOUR | Zechariah 11:10-13"
            " | Galatians 6:14-18 | Matthew 27:1-56 | THIRD HOUR | Isaiah 50:4-11"
            " | Romans 5:6-11 | Mark 15:16-41 | SIXTH HOUR | Isaiah 52:13-54:1 | Hebrews 2:11-18"
            " | Luke 23:32-49 | NINTH HOUR | Jeremiah 11:18-12:5, 9-11, 14-15 | Hebrews 10:19-31"
            " | John 18:28-19:37 | VESPERS | Exodus 33:11-23 | Job 42:12-17 | Isaiah 52:13-54:1"
            " | NO LITURGY"},
        {"2025-04-19", Both, "Great and Holy Saturday | MATINS | Ezekiel 37:1-14"
            " | 1 Corinthians 5:6-8 | Matthew 27:62-66 | Matthew 27:62-66 | VESPERS"
            " | Genesis 1:1-13 | Isaiah 60:1-16 | Exodus 12:1-11 | Jonah 1:1-4:11"
            " | Joshua 5:10-15 | Exodus 13:20-15:19 | Zephaniah 3:8-15 | 1 Kings 17:8-24"
            " | Isaiah 61:10-62:5 | Genesis 22:1-18 | Isaiah 61:1-9 | 2 Kings 4:8-37"
            " | Isaiah 63:11-64:5 | Jeremiah 31:31-34 | Daniel 3:1-23"
            " | The Song of the Three Holy Children (Daniel 3:24-90) | LITURGY OF ST. BASIL"
            " | Romans 6:3-11 | Matthew 28:1-20"},
        {"2025-04-21", Both, "Bright Monday | LITURGY | Acts 1:12-17, 21-26 | John 1:18-28"},
        {"2025-04-25", Both, "Bright Friday | LITURGY | Acts 3:1-8 | John 2:12-22"
            " | The Life-giving Spring of the Most Holy Theotokos. | Philippians 2:5-11"
            " | Luke 10:38-42; 11:27-28"},
        {"2025-04-29", Both, "Tuesday | LITURGY | Acts 4:1-10 | John 3:16-21"
            " | Commemoration of the Dead. | 1 Thessalonians 4:13-17 | John 5:24-30"},
        {"2025-05-14", Both, "Wednesday | Mid-Pentecost | VESPERS"
            " | Micah 4:2-3, 5; 6:2-5, 8; 5:4-5 | Isaiah 55:1; 12:3-4; 55:2-13 | Proverbs 9:1-11"
            " | LITURGY | Acts 14:6-18 | John 7:14-30"},
        {"2025-05-28", Both, "Wednesday | LITURGY | Acts 18:22-28 | John 12:36-47"},
        {"2025-05-29", Both, "Thursday | The Ascension of Our Lord | VESPERS | Isaiah 2:2-3"
            " | Isaiah 62:10-63:3, 7-9 | Zechariah 14:1, 4, 8-11 | MATINS | Mark 16:9-20"
            " | LITURGY | Acts 1:1-12 | Luke 24:36-53"},
        {"2025-06-07", Both, "Saturday | LITURGY | Acts 28:1-31 | John 21:15-25"
            " | Commemoration of the Dead. | 1 Thessalonians 4:13-17 | John 5:24-30"},
        {"2025-06-09", Both, "Monday | LITURGY | Ephesians 5:8-19 | Matthew 18:10-20"},
        {"1980-04-07", Old, "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary."
            " | VESPERS | Genesis 28:10-17 | Ezekiel 43:27-44:4 | Proverbs 9:1-11 | Exodus 3:1-8"
            " | Proverbs 8:22-30 | MATINS | Luke 1:39-49, 56 | LITURGY | Hebrews 2:11-18"
            " | Luke 1:24-38"},
        {"1980-04-08", Old, "Bright Tuesday | LITURGY | Acts 2:14-21 | Luke 24:12-35"
            " | From Monday: | LITURGY | Acts 1:12-17, 21-26 | John 1:18-28"},
    });
}

// From the Saturday before the Nativity to the Saturday after the Theophany: the new
// calendar's of 2024-25, and the old calendar's in civil January 2025.
TEST_F(DayPages, NativityAndTheophany)
{
    Check({
        {"2024-12-21", New, "Saturday | LITURGY | Galatians 3:8-12 | Luke 16:10-15"
            " | Saturday before the Nativity of Christ. | LITURGY | Galatians 3:8-12"
            " | Luke 13:18-29"},
        {"2024-12-22", New, "Sunday before the Nativity of Christ. | VESPERS | Genesis 14:14-20"
            " | Deuteronomy 1:8-11, 15-17 | Deuteronomy 10:14-21 | 26th Sunday after Pentecost"
            " | MATINS (IV) | Luke 24:1-12 | LITURGY | Hebrews 11:9-10, 17-23, 32-40"
            " | Matthew 1:1-25"},
        {"2024-12-23", New, "Monday | LITURGY | 1 Timothy 5:1-10 | Mark 10:46-52 | For Tuesday:"
            " | LITURGY | 1 Timothy 5:11-21 | Mark 11:11-23"},
        {"2024-12-24", New, "The Eve of the Nativity of Christ. | ROYAL HOURS | FIRST HOUR"
            " | Micah 5:2-4 | Hebrews 1:1-12 | Matthew 1:18-25 | THIRD HOUR | Baruch 3:35-4:4"
            " | Galatians 3:23-29 | Luke 2:1-20 | SIXTH HOUR | Isaiah 7:10-16; 8:1-4, 9-10"
            " | Hebrews 1:10-2:3 | Matthew 2:1-12 | NINTH HOUR | Isaiah 9:6-7 | Hebrews 2:11-18"
            " | Matthew 2:13-23 | VESPERS | Genesis 1:1-13 | Numbers 24:2-3, 5-9, 17-18"
            " | Micah 4:6-7; 5:2-4 | Isaiah 11:1-10 | Baruch 3:35-4:4 | Daniel 2:31-36, 44-45"
            " | Isaiah 9:6-7 | Isaiah 7:10-16; 8:1-4, 9-10 | LITURGY OF ST. BASIL"
            " | Hebrews 1:1-12 | Luke 2:1-20"},
        {"2024-12-25", New, "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ."
            " | The Adoration of the Magi: Melchior, Caspar, and Balthasar."
            " | Commemoration of the Shepherds in Bethlehem who were watching their flocks, and went to see the Lord."
            " | MATINS | Matthew 1:18-25 | LITURGY OF ST. JOHN CHRYSOSTOM | Galatians 4:4-7"
            " | Matthew 2:1-12"},
        {"2024-12-26", New, "Thursday | LITURGY | 1 Timothy 6:17-21 | Mark 11:27-33"},
        {"2024-12-28", New, "Saturday | LITURGY | Galatians 5:22-6:2 | Luke 17:3-10"
            " | Saturday after the Nativity of Christ. | LITURGY | 1 Timothy 6:11-16"
            " | Matthew 12:15-21"},
        {"2024-12-29", New, "27th Sunday after Pentecost | MATINS (V) | Luke 24:12-35"
            " | Sunday after the Nativity of Christ."
            " | Holy Righteous Ones: Joseph the Betrothed, David the King, and James the Brother of the Lord."
            " | LITURGY | Galatians 1:11-19 | Matthew 2:13-23"},
        {"2025-01-01", New, "The Circumcision of Our Lord Jesus Christ. | VESPERS"
            " | Genesis 17:1-2, 4-12, 14 | Proverbs 8:22-30 | Proverbs 10:31-11:12 | MATINS"
            " | John 10:9-16 | LITURGY OF ST. BASIL | Colossians 2:8-12 | Luke 2:20-21, 40-52"
            " | Wednesday | LITURGY | 2 Timothy 4:9-22 | Luke 20:1-8"},
        {"2025-01-01", Old, "Wednesday | LITURGY | 2 Timothy 4:9-22 | Mark 10:11-16"},
        {"2025-01-02", New, "Thursday | LITURGY | Titus 1:5-2:1 | Luke 20:9-18 | For Friday:"
            " | LITURGY | Titus 1:15-2:10 | Luke 20:19-26"},
        {"2025-01-03", New, "Forefeast of the Theophany. | ROYAL HOURS | FIRST HOUR"
            " | Isaiah 35:1-10 | Acts 13:25-33 | Matthew 3:1-11 | THIRD HOUR | Isaiah 1:16-20"
            " | Acts 19:1-8 | Mark 1:1-8 | SIXTH HOUR | Isaiah 12:3-6 | Romans 6:3-11"
            " | Mark 1:9-11 | NINTH HOUR | Isaiah 49:8-15 | Titus 2:11-14; 3:4-7"
            " | Matthew 3:13-17"},
        {"2025-01-04", New, "Saturday | LITURGY | Ephesians 1:16-23 | Luke 12:32-40"
            " | Saturday Before the Theophany. | LITURGY | 1 Timothy 3:14-4:5 | Matthew 3:1-11"},
        {"2025-01-04", Old, "Saturday | LITURGY | Ephesians 1:16-23 | Luke 16:10-15"
            " | Saturday before the Nativity of Christ. | LITURGY | Galatians 3:8-12"
            " | Luke 13:18-29"},
        {"2025-01-06", New, "The Holy Theophany of Our Lord, God and Saviour Jesus Christ."
            " | MATINS | Mark 1:9-11 | LITURGY OF ST. BASIL | Titus 2:11-14; 3:4-7"
            " | Matthew 3:13-17"},   // the eve, a Sunday, had St John Chrysostom's
        {"2025-01-06", Old, "The Eve of the Nativity of Christ. | ROYAL HOURS | FIRST HOUR"
            " | Micah 5:2-4 | Hebrews 1:1-12 | Matthew 1:18-25 | THIRD HOUR | Baruch 3:35-4:4"
            " | Galatians 3:23-29 | Luke 2:1-20 | SIXTH HOUR | Isaiah 7:10-16; 8:1-4, 9-10"
            " | Hebrews 1:10-2:3 | Matthew 2:1-12 | NINTH HOUR | Isaiah 9:6-7 | Hebrews 2:11-18"
            " | Matthew 2:13-23 | VESPERS | Genesis 1:1-13 | Numbers 24:2-3, 5-9, 17-18"
            " | Micah 4:6-7; 5:2-4 | Isaiah 11:1-10 | Baruch 3:35-4:4 | Daniel 2:31-36, 44-45"
            " | Isaiah 9:6-7 | Isaiah 7:10-16; 8:1-4, 9-10 | LITURGY OF ST. BASIL"
            " | Hebrews 1:1-12 | Luke 2:1-20"},
        {"2025-01-07", New, "Tuesday | LITURGY | Hebrews 4:1-13 | Luke 21:12-19"},
        {"2025-01-07", Old, "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ."
            " | The Adoration of the Magi: Melchior, Caspar, and Balthasar."
            " | Commemoration of the Shepherds in Bethlehem who were watching their flocks, and went to see the Lord."
            " | MATINS | Matthew 1:18-25 | LITURGY OF ST. JOHN CHRYSOSTOM | Galatians 4:4-7"
            " | Matthew 2:1-12"},
        {"2025-01-11", New, "Saturday | LITURGY | Ephesians 2:11-13 | Luke 13:18-29"
            " | Saturday after the Theophany. | LITURGY | Ephesians 6:10-17 | Matthew 4:1-11"},
        {"2025-01-11", Old, "Saturday | LITURGY | Ephesians 2:11-13 | Luke 17:3-10"
            " | Saturday after the Nativity of Christ. | LITURGY | 1 Timothy 6:11-16"
            " | Matthew 12:15-21"},
        {"2025-01-14", Old, "The Circumcision of Our Lord Jesus Christ. | VESPERS"
            " | Genesis 17:1-2, 4-12, 14 | Proverbs 8:22-30 | Proverbs 10:31-11:12 | MATINS"
            " | John 10:9-16 | LITURGY OF ST. BASIL | Colossians 2:8-12 | Luke 2:20-21, 40-52"
            " | Tuesday | LITURGY | Hebrews 9:8-10, 15-23 | Mark 8:22-26"},
        {"2025-01-16", Old, "Thursday | LITURGY | Hebrews 10:35-11:7 | Mark 9:10-16"
            " | For Friday: | LITURGY | Hebrews 11:8, 11-16 | Mark 9:33-41"},
        {"2025-01-17", Old, "Forefeast of the Theophany. | ROYAL HOURS | FIRST HOUR"
            " | Isaiah 35:1-10 | Acts 13:25-33 | Matthew 3:1-11 | THIRD HOUR | Isaiah 1:16-20"
            " | Acts 19:1-8 | Mark 1:1-8 | SIXTH HOUR | Isaiah 12:3-6 | Romans 6:3-11"
            " | Mark 1:9-11 | NINTH HOUR | Isaiah 49:8-15 | Titus 2:11-14; 3:4-7"
            " | Matthew 3:13-17"},
        {"2025-01-18", Old, "Eve of the Theophany. | VESPERS | Genesis 1:1-13"
            " | Exodus 14:15-18, 21-23, 27-29 | Exodus 15:22-16:1 | Joshua 3:7-8, 15-17"
            " | 2 Kings 2:6-14 | 2 Kings 5:9-14 | Isaiah 1:16-20 | Genesis 32:1-10"
            " | Exodus 2:5-10 | Judges 6:36-40 | 1 Kings 18:30-39 | 2 Kings 2:19-22"
            " | Isaiah 49:8-15 | LITURGY OF ST. JOHN CHRYSOSTOM | 1 Corinthians 9:19-27"
            " | Luke 3:1-18 | BLESSING OF THE WATERS | Isaiah 35:1-10 | Isaiah 55:1-13"
            " | Isaiah 12:3-6 | 1 Corinthians 10:1-4 | Mark 1:9-11"
            " | Saturday Before the Theophany. | LITURGY | 1 Timothy 3:14-4:5 | Matthew 3:1-11"},
    });
}

// Fixed feasts by the weekday they fall on. A weekday eve of the Theophany has the Theophany's
// Royal Hours; the Nativity and the Theophany take St Basil's Liturgy on a Sunday or Monday, as
// their eve had St John Chrysostom's. On a Thursday 12/23 or 01/04 the Friday, an eve, is read
// too: 2021-12-23 new, cycle day 312, jump 218, Gospel 312 - 218 + 246 = 340; 2019-01-17 old
// (Julian 01/04), day 361 of a cycle of 385 days, Epistle and Gospel 361 - 385 + 350 = 326.
TEST_F(DayPages, FixedFeastsByTheirWeekday)
{
    const std::string eveOfTheophany =
        "Eve of the Theophany. | ROYAL HOURS | FIRST HOUR | Isaiah 35:1-10 | Acts 13:25-33"
        " | Matthew 3:1-11 | THIRD HOUR | Isaiah 1:16-20 | Acts 19:1-8 | Mark 1:1-8 | SIXTH HOUR"
        " | Isaiah 12:3-6 | Romans 6:3-11 | Mark 1:9-11 | NINTH HOUR | Isaiah 49:8-15"
        " | Titus 2:11-14; 3:4-7 | Matthew 3:13-17 | VESPERS | Genesis 1:1-13"
        " | Exodus 14:15-18, 21-23, 27-29 | Exodus 15:22-16:1 | Joshua 3:7-8, 15-17"
        " | 2 Kings 2:6-14 | 2 Kings 5:9-14 | Isaiah 1:16-20 | Genesis 32:1-10 | Exodus 2:5-10"
        " | Judges 6:36-40 | 1 Kings 18:30-39 | 2 Kings 2:19-22 | Isaiah 49:8-15"
        " | LITURGY OF ST. BASIL | 1 Corinthians 9:19-27 | Luke 3:1-18 | BLESSING OF THE WATERS"
        " | Isaiah 35:1-10 | Isaiah 55:1-13 | Isaiah 12:3-6 | 1 Corinthians 10:1-4 | Mark 1:9-11";
    const auto nativity = [](const char* liturgy) {
        return "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ."
               " | The Adoration of the Magi: Melchior, Caspar, and Balthasar."
               " | Commemoration of the Shepherds in Bethlehem who were watching their flocks, and went to see the Lord."
               " | MATINS | Matthew 1:18-25 | LITURGY OF ST. " + std::string(liturgy) +
               " | Galatians 4:4-7 | Matthew 2:1-12";
    };
    const auto theophany = [](const char* liturgy) {
        return "The Holy Theophany of Our Lord, God and Saviour Jesus Christ. | MATINS | Mark 1:9-11"
               " | LITURGY OF ST. " + std::string(liturgy) + " | Titus 2:11-14; 3:4-7 | Matthew 3:13-17";
    };
    const std::string rows[][3] = {
        {"2026-01-05", "new", eveOfTheophany},   // Monday
        {"2024-01-18", "old", eveOfTheophany},   // Thursday
        {"2021-12-25", "new", nativity("JOHN CHRYSOSTOM")},   // Saturday
        {"2024-01-07", "old", nativity("BASIL")},             // Sunday
        {"2019-01-07", "old", nativity("BASIL")},             // Monday
        {"2019-01-19", "old", theophany("JOHN CHRYSOSTOM")},  // Saturday
        {"2019-01-06", "new", theophany("BASIL")},            // Sunday
        {"2021-12-23", "new", "Thursday | LITURGY | 1 Timothy 6:17-21 | Mark 10:17-27 | For Friday:"
                              " | LITURGY | 2 Timothy 1:1-2, 8-18 | Mark 10:23-32"},
        {"2019-01-17", "old", "Thursday | LITURGY | Hebrews 7:1-6 | Luke 21:28-33 | For Friday:"
                              " | LITURGY | Hebrews 7:18-25 | Luke 21:37-22:8"},
    };
    for (const auto& [date, calendar, outline] : rows)
        Check({{date.c_str(), calendar == "new" ? New : Old, outline.c_str()}});
}

// The Sundays before the Triodion in a year of 385 days, on both calendars and with or
// without the Lukan jump; without the jump in 2025; and the old calendar's jump of 2010,
// which comes on day 260 and is moved 14 days earlier (to civil September 20).
// In 2021 the Paschas (April 19, 2020 and May 2, 2021) are 378 days apart: the days 350 and 371
// read the Epistles 322 and 343 (day - 378 + 350), the Gospels 329 and 245 with the jump (105
// and 84 days before Pascha), 315 (V = 28, K = 350) and 343 without it.
TEST_F(DayPages, LukanJumpAndTheSundaysBeforeTheTriodion)
{
    Check({
        {"2024-01-14", New, "32nd Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | Ephesians 6:10-17 | Luke 13:10-17", EitherJump},
        {"2024-01-14", Old, "The Circumcision of Our Lord Jesus Christ. | VESPERS"
            " | Genesis 17:1-2, 4-12, 14 | Proverbs 8:22-30 | Proverbs 10:31-11:12 | MATINS"
            " | John 10:9-16 | LITURGY OF ST. BASIL | Colossians 2:8-12 | Luke 2:20-21, 40-52"
            " | 32nd Sunday after Pentecost | MATINS (X) | John 21:1-14"
            " | Sunday Before the Theophany. | LITURGY | 2 Timothy 4:5-8 | Mark 1:1-8", EitherJump},
        {"2024-01-21", New, "33rd Sunday after Pentecost | MATINS (XI) | John 21:15-25 | LITURGY"
            " | Colossians 1:12-18 | Luke 17:12-19", EitherJump},
        {"2024-01-21", Old, "33rd Sunday after Pentecost | MATINS (XI) | John 21:15-25"
            " | Sunday after the Theophany. | LITURGY | Ephesians 4:7-13 | Matthew 4:12-17", EitherJump},
        {"2024-01-28", Both, "34th Sunday after Pentecost | MATINS (I) | Matthew 28:16-20"
            " | LITURGY | Colossians 3:4-11 | Luke 18:18-27", EitherJump},
        {"2024-02-04", Both, "35th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | Colossians 3:12-16 | Luke 18:35-43", EitherJump},
        {"2024-02-11", Both, "36th Sunday after Pentecost | MATINS (III) | Mark 16:9-20"
            " | LITURGY | 1 Timothy 1:15-17 | Matthew 15:21-28", EitherJump},
        {"2025-01-26", New, "31st Sunday after Pentecost | MATINS (IX) | John 20:19-31 | LITURGY"
            " | 1 Timothy 1:15-17 | Luke 18:35-43", JumpOff},
        {"2010-09-20", Old, "Monday | LITURGY | Ephesians 4:25-32 | Mark 6:54-7:8 | For Tuesday:"
            " | LITURGY | Ephesians 5:20-26 | Mark 7:5-16"},
        {"2010-09-26", Old, "18th Sunday after Pentecost | MATINS (VII) | John 20:1-10 | LITURGY"
            " | 2 Corinthians 9:6-11 | Matthew 25:14-30"
            " | Sunday before the Exaltation of the Cross. | LITURGY | Galatians 6:11-18"
            " | John 3:13-17"},
        {"2025-10-26", Both, "20th Sunday after Pentecost | MATINS (IX) | John 20:19-31"
            " | LITURGY | Galatians 1:11-19 | Luke 7:11-16", JumpOff},
        {"2021-01-17", New, "32nd Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | Colossians 1:12-18 | Luke 17:12-19"},
        {"2021-01-17", New, "32nd Sunday after Pentecost | MATINS (X) | John 21:1-14 | LITURGY"
            " | Colossians 1:12-18 | Luke 13:10-17", JumpOff},
        {"2021-02-07", Both, "35th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | 1 Timothy 1:15-17 | Matthew 15:21-28"},
        {"2021-02-07", Both, "35th Sunday after Pentecost | MATINS (II) | Mark 16:1-8 | LITURGY"
            " | 1 Timothy 1:15-17 | Luke 18:35-43", JumpOff},
    });
}

// The readings taken from the Apocrypha are read from the Apocrypha file: after each
// reference stands that book's text, not the same chapter and verse of the Old Testament
// book in the same position; and a Matins Gospel after readings of another file or after a
// fixed feast's section is the Gospel its heading names.
TEST_F(DayPages, ApocryphaReadingsComeFromTheApocrypha)
{
    const struct {
        const char* date;
        const char* reference;
        const char* opening;
        int times;
    } rows[] = {
        {"2024-12-24", "Baruch 3:35-4:4", "This is our God.", 2},   // Third Hour and Vespers
        {"2025-06-15", "Wisdom 3:1-9", "But the souls of the righteous", 1},
        {"2025-06-15", "Wisdom 5:15-6:3", "But the righteous live forever.", 1},
        {"2025-06-22", "Wisdom 3:1-9", "But the souls of the righteous", 1},
        {"2025-06-22", "Wisdom 5:15-6:3", "But the righteous live forever.", 1},
        {"2025-01-30", "Wisdom 3:1-9", "But the souls of the righteous", 1},
        {"2025-08-29", "Wisdom 4:7, 16-17, 19-20; 5:1-7", "But a righteous man", 1},
        {"2025-12-06", "Wisdom 4:7-15", "But a righteous man", 1},
        {"2024-12-22", "Luke 24:1-12", "Now upon the first day of the week", 1},   // after Vespers
        {"2025-02-02", "John 21:1-14", "After these things Jesus shewed himself", 1},   // after the Meeting
        {"2025-04-19", "Matthew 27:62-66", "Now the next day, that followed", 2},   // and the third reading
    };
    for (const auto& row : rows) {
        Select(QDate::fromString(QString::fromLatin1(row.date), Qt::ISODate));
        const std::string page = Page();
        const std::string reference = std::string("\r\n\r\n") + row.reference + "\r\n\r\n";
        EXPECT_EQ(Count(page, reference), row.times) << row.date << " " << row.reference;
        EXPECT_EQ(Count(page, reference + "     " + row.opening), row.times) << row.date << " " << row.reference;
    }
}
