#include "content_source.h"

#include <QString>

#include <cstdio>
#include <fstream>
#include <regex>

namespace contentsrc {

namespace {

constexpr int kMonthLength[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Reads the source line by line: trimmed text, comments and blank lines reported as empty.
class LineReader {
public:
    LineReader(std::istream& in, std::string fileName) : in_(in), fileName_(std::move(fileName)) {}

    bool Next(std::string& line)
    {
        std::string raw;
        if (!std::getline(in_, raw))
            return false;
        ++lineNo_;
        if (lineNo_ == 1 && StartsWith(raw, "\xEF\xBB\xBF"))
            raw.erase(0, 3);
        if (QString::fromUtf8(raw).toUtf8().toStdString() != raw)
            Fail("the line is not valid UTF-8 text");
        line = Trim(raw);
        if (StartsWith(line, "#"))
            line.clear();
        return true;
    }

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw SourceError(fileName_ + ":" + std::to_string(lineNo_) + ": " + message);
    }

private:
    std::istream& in_;
    std::string fileName_;
    int lineNo_ = 0;
};

// "Troparion, Tone 4", "Kontakion of the Feast, Tone 8", ...
bool IsHymnHeading(const std::string& line)
{
    return StartsWith(line, "Troparion") || StartsWith(line, "Kontakion");
}

bool HasTone(const std::string& line)
{
    static const std::regex tone(".*, Tone [1-8]");
    return std::regex_match(line, tone);
}

void AddHymnText(LineReader& reader, std::vector<Hymn>& hymns, const std::string& line, bool inHymn)
{
    if (!inHymn || hymns.empty())
        reader.Fail("hymn text without a \"Troparion, Tone N\" or \"Kontakion, Tone N\" line before it");
    hymns.back().paragraphs.push_back(line);
}

std::string Substitute(std::string text, const std::string& name)
{
    static const std::string marker = "{NAME}";
    for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at + name.size()))
        text.replace(at, marker.size(), name);
    return text;
}

} // namespace

const std::vector<uint16_t>& DocumentKeys()
{
    static const std::vector<uint16_t> keys = [] {
        std::vector<uint16_t> all;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= kMonthLength[month - 1]; ++day)
                all.push_back(static_cast<uint16_t>(month * 100 + day));
        all.push_back(10619);
        all.push_back(10702);
        return all;
    }();
    return keys;
}

std::string KeyText(uint16_t key)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d/%02d", key % 10000 / 100, key % 100);
    return text;
}

const std::set<std::string>& CommonOrders()
{
    static const std::set<std::string> orders = {
        "prophet", "apostle", "apostles", "hierarch", "hierarchs", "martyr", "martyrs",
        "hieromartyr", "woman-martyr", "women-martyrs", "monk", "monks", "nun", "confessor",
        "unmercenaries", "fool", "righteous", "equal-to-apostles", "ruler", "new-martyr",
        "icon", "departed"};
    return orders;
}

CommonHymns ParseCommonHymns(std::istream& in, const std::string& fileName)
{
    CommonHymns common;
    LineReader reader(in, fileName);
    std::vector<Hymn>* section = nullptr;
    std::string line;
    while (reader.Next(line)) {
        if (line.empty())
            continue;
        if (StartsWith(line, "%")) {
            const std::string order = Trim(line.substr(1));
            if (!CommonOrders().count(order))
                reader.Fail("unknown order \"" + order + "\"");
            if (common.count(order))
                reader.Fail("order \"" + order + "\" defined twice");
            section = &common[order];
        } else if (!section) {
            reader.Fail("text before the first \"% ORDER\" line");
        } else if (IsHymnHeading(line)) {
            if (!HasTone(line))
                reader.Fail("a hymn heading must end with \", Tone N\" (N = 1 to 8)");
            section->push_back({line, {}});
        } else {
            AddHymnText(reader, *section, line, true);
        }
    }
    return common;
}

CommonHymns ReadCommonHymns(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in)
        throw SourceError(file.string() + ": cannot be read");
    return ParseCommonHymns(in, file.string());
}

std::map<uint16_t, Day> ParseMonth(std::istream& in, const std::string& fileName, int month,
                                   SourceKind kind, const CommonHymns* common)
{
    static const std::regex dayLine(R"(@ (\d\d)/(\d\d)( new)?)");
    std::map<uint16_t, Day> days;
    LineReader reader(in, fileName);
    Day* day = nullptr;
    bool inHymn = false;
    std::string line;

    const auto finishDay = [&] {
        if (day && day->commemorations.empty())
            reader.Fail("the day " + KeyText(day->key) + " has no \"* Title\" line");
    };

    while (reader.Next(line)) {
        if (line.empty())
            continue;
        if (StartsWith(line, "@")) {
            std::smatch m;
            if (!std::regex_match(line, m, dayLine))
                reader.Fail("a day line must read \"@ MM/DD\" or \"@ MM/DD new\"");
            const int lineMonth = std::stoi(m[1]);
            const int lineDay = std::stoi(m[2]);
            if (lineMonth != month)
                reader.Fail("the day " + m[1].str() + "/" + m[2].str() + " belongs in another month's file");
            if (lineDay < 1 || lineDay > kMonthLength[month - 1])
                reader.Fail("there is no day " + m[1].str() + "/" + m[2].str());
            uint16_t key = static_cast<uint16_t>(lineMonth * 100 + lineDay);
            if (m[3].matched) {
                if (key != 619 && key != 702)
                    reader.Fail("only 06/19 and 07/02 have a \"new\" document");
                key = static_cast<uint16_t>(key + 10000);
            }
            finishDay();
            if (days.count(key))
                reader.Fail("the day " + line.substr(2) + " appears twice");
            day = &days[key];
            day->key = key;
            inHymn = false;
        } else if (!day) {
            reader.Fail("text before the first \"@ MM/DD\" line");
        } else if (StartsWith(line, "*")) {
            const std::string title = Trim(line.substr(1));
            if (title.empty())
                reader.Fail("a \"*\" line without a title");
            day->commemorations.push_back({title, {}, {}});
            inHymn = false;
        } else if (day->commemorations.empty()) {
            reader.Fail("text before the day's first \"* Title\" line");
        } else if (kind == SourceKind::Lives) {
            day->commemorations.back().paragraphs.push_back(line);
        } else if (StartsWith(line, "=")) {
            const std::string rest = Trim(line.substr(1));
            const auto blank = rest.find(' ');
            const std::string order = rest.substr(0, blank);
            const std::string name = blank == std::string::npos ? std::string() : Trim(rest.substr(blank));
            if (!CommonOrders().count(order))
                reader.Fail("unknown order \"" + order + "\"");
            if (name.empty())
                reader.Fail("\"= " + order + "\" needs the name to sing");
            const auto found = common ? common->find(order) : CommonHymns::const_iterator();
            if (!common || found == common->end())
                reader.Fail("the common hymns have no section \"% " + order + "\"");
            for (const Hymn& hymn : found->second) {
                Hymn sung{hymn.heading, {}};
                for (const std::string& text : hymn.paragraphs)
                    sung.paragraphs.push_back(Substitute(text, name));
                day->commemorations.back().hymns.push_back(std::move(sung));
            }
            inHymn = false;
        } else if (IsHymnHeading(line)) {
            if (!HasTone(line))
                reader.Fail("a hymn heading must end with \", Tone N\" (N = 1 to 8)");
            day->commemorations.back().hymns.push_back({line, {}});
            inHymn = true;
        } else {
            AddHymnText(reader, day->commemorations.back().hymns, line, inHymn);
        }
    }
    finishDay();
    return days;
}

Day PlaceholderDay(uint16_t key)
{
    Day day;
    day.key = key;
    day.placeholder = true;
    day.commemorations.push_back({"Placeholder for " + KeyText(key) + (key > 10000 ? " new" : ""),
                                  {"PLACEHOLDER: the text of this day is not yet written."},
                                  {{"Troparion, Tone 1", {"PLACEHOLDER: the hymns of this day are not yet written."}}}});
    return day;
}

std::vector<Day> ReadYear(const std::filesystem::path& folder, SourceKind kind,
                          const CommonHymns* common, std::vector<std::string>& warnings)
{
    std::map<uint16_t, Day> all;
    for (int month = 1; month <= 12; ++month) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d.txt", month);
        const auto file = folder / name;
        std::ifstream in(file);
        if (!in) {
            warnings.push_back(file.string() + " is missing: its days get placeholder documents");
            continue;
        }
        all.merge(ParseMonth(in, file.string(), month, kind, common));
    }
    std::vector<Day> year;
    for (uint16_t key : DocumentKeys()) {
        auto found = all.find(key);
        if (found != all.end()) {
            year.push_back(std::move(found->second));
            continue;
        }
        char name[8];
        std::snprintf(name, sizeof name, "%02d.txt", key % 10000 / 100);
        if (std::filesystem::exists(folder / name))
            warnings.push_back((folder / name).string() + " has no day " + KeyText(key) + (key > 10000 ? " new" : "")
                               + ": it gets a placeholder document");
        year.push_back(PlaceholderDay(key));
    }
    return year;
}

} // namespace contentsrc
