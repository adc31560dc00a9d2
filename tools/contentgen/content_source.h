#pragma once
// Reading the plain-text sources of the text libraries: one file per month for the lives
// of the saints or for the troparia and kontakia, and the common hymns of every order.
#include <cstdint>
#include <filesystem>
#include <istream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace contentsrc {

// A fault in a source file, with the file name and line number in its text.
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Hymn {
    std::string heading;                    // "Troparion, Tone 4"
    std::vector<std::string> paragraphs;
};

struct Commemoration {
    std::string title;                      // as a reader sees it, mixed case
    std::vector<std::string> paragraphs;    // the life (lives sources)
    std::vector<Hymn> hymns;                // troparion and kontakion (hymn sources)
};

struct Day {
    uint16_t key = 0;                       // month * 100 + day, plus 10000 for the civil-date documents
    bool placeholder = false;               // no source text yet
    std::vector<Commemoration> commemorations;
};

enum class SourceKind { Lives, Hymns };

// The 366 calendar keys 101 ... 1231 (229 included) in calendar order, then 10619 and 10702.
const std::vector<uint16_t>& DocumentKeys();
constexpr int kCalendarDays = 366;

// "MM/DD" of a key (the civil-date documents give their calendar day).
std::string KeyText(uint16_t key);

// The orders a source may name in "= ORDER NAME".
const std::set<std::string>& CommonOrders();

// Hymns of each order, with "{NAME}" where the commemoration's name goes.
using CommonHymns = std::map<std::string, std::vector<Hymn>>;
CommonHymns ParseCommonHymns(std::istream& in, const std::string& fileName);
CommonHymns ReadCommonHymns(const std::filesystem::path& file);

// Parses one month file. `month` is the month the file holds (1 to 12); `common` is needed
// for hymn sources only. Throws SourceError on malformed text.
std::map<uint16_t, Day> ParseMonth(std::istream& in, const std::string& fileName, int month,
                                   SourceKind kind, const CommonHymns* common);

// Reads MM.txt for all twelve months from `folder` and returns the 368 days in the order of
// DocumentKeys(). A day without source text (its month file missing, or the day missing from
// it) becomes a placeholder day; each such gap is named in `warnings`.
std::vector<Day> ReadYear(const std::filesystem::path& folder, SourceKind kind,
                          const CommonHymns* common, std::vector<std::string>& warnings);

// The day that stands in for a missing source: clearly marked as not yet written.
Day PlaceholderDay(uint16_t key);

} // namespace contentsrc
