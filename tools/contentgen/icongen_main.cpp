// Build-time generator of the icon libraries' data.
//
//   icongen days LIVES_DIR OUT_RES_DIR    one icon for every calendar day (10000 + key) and a
//                                         second one (20000 + key) for the days that have two;
//                                         captions from the days' commemorations
//   icongen list LIST_FILE OUT_RES_DIR    the icons of a list of "key<TAB>caption" lines
//
// Writes OUT_RES_DIR/RCDATA/<key>.jpg and the captions in OUT_RES_DIR/strings.tsv.
// Needs a Qt platform (QT_QPA_PLATFORM=offscreen will do) for its fonts.
#include <QGuiApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "content_source.h"
#include "icon_painter.h"
#include "jpeg_writer.h"

namespace fs = std::filesystem;
using namespace contentsrc;

namespace {

// The days whose saints have a second supplemental icon.
constexpr uint16_t kSecondIconDays[] = {101, 223, 409, 423, 509, 611, 620, 715, 801, 901, 1001, 1109, 1125, 1213};

using Captions = std::map<unsigned, QString>;

Captions DayCaptions(const fs::path& livesDir)
{
    std::vector<std::string> warnings;
    const std::vector<Day> year = ReadYear(livesDir, SourceKind::Lives, nullptr, warnings);
    for (const std::string& warning : warnings)
        std::cerr << "icongen: warning: " << warning << '\n';
    Captions captions;
    for (const Day& day : year) {
        if (day.key >= 10000)
            continue;
        const auto& saints = day.commemorations;
        captions[10000u + day.key] = IconCaption(QString::fromStdString(saints.front().title));
        for (uint16_t second : kSecondIconDays)
            if (second == day.key)
                captions[20000u + day.key] =
                    IconCaption(QString::fromStdString(saints.at(saints.size() > 1 ? 1 : 0).title));
    }
    return captions;
}

Captions ListCaptions(const fs::path& listFile)
{
    std::ifstream in(listFile);
    if (!in)
        throw SourceError(listFile.string() + ": cannot be read");
    Captions captions;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto tab = line.find('\t');
        const std::string where = listFile.string() + ":" + std::to_string(lineNo) + ": ";
        if (tab == std::string::npos || tab == 0 || line.find_first_not_of("0123456789") != tab)
            throw SourceError(where + "a line must read \"key<TAB>caption\"");
        const unsigned long key = std::stoul(line.substr(0, tab));
        if (key == 0 || key >= 10000)
            throw SourceError(where + "the main icons take keys 1 to 9999");
        if (!captions.emplace(key, QString::fromStdString(line.substr(tab + 1)).simplified()).second)
            throw SourceError(where + "key " + std::to_string(key) + " appears twice");
    }
    return captions;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode != "days" && mode != "list") || argc != 4) {
        std::cerr << "usage: icongen days LIVES_DIR OUT_RES_DIR\n"
                     "       icongen list LIST_FILE OUT_RES_DIR\n";
        return 2;
    }
    try {
        const Captions captions = mode == "days" ? DayCaptions(argv[2]) : ListCaptions(argv[2]);
        const fs::path out = argv[3];
        fs::create_directories(out / "RCDATA");
        std::ofstream strings(out / "strings.tsv", std::ios::binary);
        for (const auto& [key, caption] : captions) {
            WriteJpeg(PaintIcon(key, caption), out / "RCDATA" / (std::to_string(key) + ".jpg"));
            strings << key << '\t' << QString(caption).replace("\\", "\\\\").toStdString() << '\n';
        }
        if (!strings)
            throw SourceError("cannot write " + (out / "strings.tsv").string());
    } catch (const std::exception& e) {
        std::cerr << "icongen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
