#include "rtf_document.h"

#include <QString>

namespace contentsrc {

namespace {

const char* const kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs24\n";

void Paragraph(std::string& out, const char* format, std::string_view text)
{
    out += "\\pard";
    out += format;
    out += ' ';
    out += RtfEscape(text);
    out += "\\par\n";
}

void Heading(std::string& out, std::string_view title)
{
    out += "\\pard\\qc\\sb240\\sa120\\b ";
    out += RtfEscape(Upper(title));
    out += "\\b0\\par\n";
}

} // namespace

std::string RtfEscape(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string out;
    out.reserve(utf8.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == '\\' || unit == '{' || unit == '}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit == '\t' || unit == '\n' || unit == '\r') {
            out += ' ';
        } else if (unit < 0x20) {
            continue;   // no other control characters belong in a document
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            out += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
        }
    }
    return out;
}

std::string Upper(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUpper().toStdString();
}

std::string LivesDocument(const Day& day)
{
    std::string out = kHeader;
    out += "\\pard\\qc\\b ";
    for (const Commemoration& c : day.commemorations)
        out += RtfEscape(Upper(c.title)) + "\\par\n";
    out += "\\b0\\par\n";
    for (const Commemoration& c : day.commemorations) {
        Heading(out, c.title);
        for (const std::string& paragraph : c.paragraphs)
            Paragraph(out, "\\qj\\fi360\\sa120", paragraph);
    }
    return out + "}\n";
}

std::string HymnsDocument(const Day& day)
{
    std::string out = kHeader;
    for (const Commemoration& c : day.commemorations) {
        Heading(out, c.title);
        for (const Hymn& hymn : c.hymns) {
            out += "\\pard\\sb120\\i ";
            out += RtfEscape(hymn.heading);
            out += "\\i0\\par\n";
            for (const std::string& paragraph : hymn.paragraphs)
                Paragraph(out, "\\sa60", paragraph);
        }
    }
    return out + "}\n";
}

std::string PadWithNuls(std::string document)
{
    document.append(4 - document.size() % 4, '\0');
    return document;
}

} // namespace contentsrc
