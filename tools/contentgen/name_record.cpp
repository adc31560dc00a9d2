#include "name_record.h"

#include <QString>

namespace contentsrc {

std::string NameRecord(const Day& day)
{
    QString names;
    for (const Commemoration& c : day.commemorations) {
        names += ' ';
        for (const QChar ch : QString::fromStdString(c.title).toUpper()) {
            if (ch.isLetterOrNumber() || ch == ',' || ch == ':' || ch == '&' || ch == '\'')
                names += ch;
            else if (ch == QChar(0x2019) || ch == QChar(0x2018))
                names += '\'';
            else if (ch.isSpace() || ch == '-' || ch == '/' || ch.category() == QChar::Punctuation_Dash)
                names += ' ';
        }
    }
    return names.simplified().toStdString();
}

} // namespace contentsrc
