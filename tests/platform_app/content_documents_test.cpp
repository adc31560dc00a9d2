// Every document of the two text content libraries loads as RTF with no raw control
// words left in its text.
#include "content_api.h"
#include "rtf.h"

#include <QDate>
#include <QRegularExpression>
#include <QTextDocument>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<uint16_t> AllContentKeys() {
    std::vector<uint16_t> keys;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) keys.push_back(uint16_t(d.month() * 100 + d.day()));
    keys.push_back(10619);
    keys.push_back(10702);
    return keys;
}

void CheckLibrary(const char* (*load)(uint16_t), const char* name) {
    const QRegularExpression controlWord(QStringLiteral("\\\\[A-Za-z]+|\\\\'[0-9A-Fa-f]{2}"));
    int loaded = 0;
    for (uint16_t key : AllContentKeys()) {
        const char* rtf = load(key);
        if (!rtf) continue;
        ++loaded;
        QTextDocument doc;
        EXPECT_TRUE(LoadRtf(doc, QByteArray(rtf, qsizetype(std::strlen(rtf))))) << name << " " << key;
        const QString text = doc.toPlainText();
        const QRegularExpressionMatch m = controlWord.match(text);
        EXPECT_FALSE(m.hasMatch()) << name << " " << key << ": " << m.captured().toStdString();
        EXPECT_FALSE(text.trimmed().isEmpty()) << name << " " << key;
    }
    EXPECT_GT(loaded, 0) << name;
}

TEST(ContentDocumentsTest, HymnDocumentsLoadCleanly) { CheckLibrary(LoadTropFromResource, "selvhymn"); }

TEST(ContentDocumentsTest, LivesDocumentsLoadCleanly) { CheckLibrary(LoadLivesFromResource, "selvlife"); }

} // namespace
