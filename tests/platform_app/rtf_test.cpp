#include "rtf.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QString Load(QTextDocument& doc, const QByteArray& rtf) {
    LoadRtf(doc, rtf);
    return doc.toPlainText();
}

QString Text(const QByteArray& rtf) {
    QTextDocument doc;
    return Load(doc, rtf);
}

// The character format of the character at `pos` of the plain text.
QTextCharFormat FormatAt(const QTextDocument& doc, int pos) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(pos + 1);
    return c.charFormat();
}

int PosOf(const QTextDocument& doc, const QString& needle) {
    return int(doc.toPlainText().indexOf(needle));
}

QByteArray Rtf(const QByteArray& body) {
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset204 Times New Roman;}"
           "{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset161{\\*\\panose 0}Greek Font;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\n" + body + "}";
}

TEST(RtfReaderTest, TextWithoutRtfHeaderLoadsAsPlainText) {
    QTextDocument doc;
    EXPECT_FALSE(LoadRtf(doc, "first line\r\nsecond \\b line{x}"));
    EXPECT_EQ(doc.toPlainText(), "first line\nsecond \\b line{x}");
    EXPECT_EQ(doc.blockCount(), 2);
    EXPECT_EQ(Text("caf\xe9 \x93quoted\x94"), QString::fromUtf8("café “quoted”"));   // Windows-1252
    EXPECT_EQ(Text("caf\xc3\xa9"), QString::fromUtf8("café"));                      // UTF-8
    EXPECT_TRUE(LoadRtf(doc, "  \r\n{\\rtf1 x}"));
}

TEST(RtfReaderTest, ReadingStopsAtNul) {
    EXPECT_EQ(Text(QByteArray("{\\rtf1 before\0after}", 20)), "before");
    EXPECT_EQ(Text(QByteArray("plain\0rest", 10)), "plain");
}

TEST(RtfReaderTest, CharsetsChooseTheCodePageOfHexBytes) {
    QTextDocument doc;
    Load(doc, Rtf("\\f0 caf\\'e9 \\'93q\\'94 \\f1 \\'c0\\'e1\\'e2 \\f2 \\'61\\'b7 \\f3 \\'e1\\'e2"));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("café “q” Абв a\u00b7 αβ"));
    const QTextCharFormat cyr = FormatAt(doc, PosOf(doc, QString::fromUtf8("А")));
    EXPECT_EQ(cyr.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatAt(doc, PosOf(doc, QString::fromUtf8("α"))).fontFamilies().toStringList(), QStringList{"Greek Font"});
    // \ansicpg is the code page of fonts with the default charset, and \deff the font of unmarked text.
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset1 B;}}\\'c4\\'e0}"),
              QString::fromUtf8("Да"));
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 EE;}}\\'8a\\'9f}"), QString::fromUtf8("Šź"));
    // Raw high bytes follow the same code page.
    EXPECT_EQ(Text("{\\rtf1{\\fonttbl{\\f0\\fcharset204 R;}}\xc0}"), QString::fromUtf8("А"));
}

TEST(RtfReaderTest, CharacterFormatsSwitchOnAndOff) {
    QTextDocument doc;
    Load(doc, Rtf("\\f0\\fs20 n {\\b B}{\\i I}{\\ul U\\ulnone u}{\\strike S} \\b x\\b0 y \\cf1 R\\cf2 N\\cf0 K "
                  "\\fs28\\b\\i\\ul\\strike P\\plain Q {\\f1 T}"));
    auto at = [&](const QString& s) { return FormatAt(doc, PosOf(doc, s)); };
    EXPECT_EQ(at("n").fontPointSize(), 10.0);
    EXPECT_EQ(at("n").fontWeight(), QFont::Normal);
    EXPECT_EQ(at("B").fontWeight(), QFont::Bold);
    EXPECT_TRUE(at("I").fontItalic());
    EXPECT_FALSE(at("B").fontItalic());
    EXPECT_TRUE(at("U").fontUnderline());
    EXPECT_FALSE(at("u").fontUnderline());
    EXPECT_TRUE(at("S").fontStrikeOut());
    EXPECT_EQ(at("x").fontWeight(), QFont::Bold);
    EXPECT_EQ(at("y").fontWeight(), QFont::Normal);
    EXPECT_EQ(at("R").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(at("N").foreground().color(), QColor(0, 0, 128));
    EXPECT_FALSE(at("K").hasProperty(QTextFormat::ForegroundBrush));
    const QTextCharFormat p = at("P");
    EXPECT_TRUE(p.fontWeight() == QFont::Bold && p.fontItalic() && p.fontUnderline() && p.fontStrikeOut());
    EXPECT_EQ(p.fontPointSize(), 14.0);
    const QTextCharFormat q = at("Q");
    EXPECT_FALSE(q.fontWeight() == QFont::Bold || q.fontItalic() || q.fontUnderline() || q.fontStrikeOut());
    EXPECT_FALSE(q.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(q.fontFamilies().toStringList(), QStringList{"Arial"});   // \plain goes back to \deff
    EXPECT_EQ(at("T").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    // Group ends restore the formats of before.
    EXPECT_EQ(at("y").fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(RtfReaderTest, ParagraphFormats) {
    QTextDocument doc;
    Load(doc, Rtf("\\pard\\qc centred\\par \\qr right\\par \\qj just\\par "
                  "\\pard\\li720\\ri1440\\fi-360\\sb240\\sa120 indented\\par \\pard plain\\tab tab\\line next\\page after\\par"));
    ASSERT_EQ(doc.blockCount(), 6);
    EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    const QTextBlockFormat ind = doc.findBlockByNumber(3).blockFormat();
    EXPECT_EQ(ind.leftMargin(), 48);
    EXPECT_EQ(ind.rightMargin(), 96);
    EXPECT_EQ(ind.textIndent(), -24);
    EXPECT_EQ(ind.topMargin(), 16);
    EXPECT_EQ(ind.bottomMargin(), 8);
    const QTextBlock plain = doc.findBlockByNumber(4);
    EXPECT_EQ(plain.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);   // \pard reset
    EXPECT_EQ(plain.blockFormat().leftMargin(), 0);
    EXPECT_EQ(plain.text(), QString("plain\ttab") + QChar(QChar::LineSeparator) + "next");
    EXPECT_TRUE(doc.findBlockByNumber(5).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_FALSE(plain.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    // The last paragraph mark leaves no empty paragraph; text after it makes one.
    EXPECT_EQ(doc.findBlockByNumber(5).text(), "after");
    EXPECT_EQ(Text("{\\rtf1 a\\par b}"), "a\nb");
    EXPECT_EQ(Text("{\\rtf1 a\\par\\par}"), "a\n");
}

TEST(RtfReaderTest, TablesOfOtherWritersBecomeATabbedParagraphPerRow) {
    QTextDocument doc;
    Load(doc, Rtf("\\pard before\\par\\trowd\\cellx1000\\cellx2000\\cellx3000 \\pard\\intbl A\\par B\\cell \\cell C\\cell\\row"
                  "\\trowd\\cellx1000\\cellx2000\\cellx3000 \\pard\\intbl\\cell D\\cell E\\cell\\row\\pard after\\par"));
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) blocks << b.text();
    EXPECT_EQ(blocks, (QStringList{"before", "A" + QString(QChar::LineSeparator) + "B\t\tC", "\tD\tE", "after"}));
}

TEST(RtfReaderTest, OldStyleBulletsMakeAListAndDropTheirBulletText) {
    QTextDocument doc;
    Load(doc, Rtf("intro\\par\\pard{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'b7}}"
                  "\\fi-360\\li720 one\\par{\\pntext\\f2\\'b7\\tab}two\\par\\pard after\\par"
                  "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}numbered\\par"));
    EXPECT_EQ(doc.toPlainText(), "intro\none\ntwo\nafter\nnumbered");
    const QTextList* list = doc.findBlockByNumber(1).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(doc.findBlockByNumber(2).textList(), list);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(doc.findBlockByNumber(0).textList(), nullptr);
    EXPECT_EQ(doc.findBlockByNumber(3).textList(), nullptr);
    ASSERT_NE(doc.findBlockByNumber(4).textList(), nullptr);
    EXPECT_EQ(doc.findBlockByNumber(4).textList()->format().style(), QTextListFormat::ListDecimal);
}

TEST(RtfReaderTest, ListTableBullets) {
    QTextDocument doc;
    Load(doc, "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\'b7;}}\\listid10}"
              "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid20}}"
              "{\\*\\listoverridetable{\\listoverride\\listid10\\listoverridecount0\\ls1}"
              "{\\listoverride\\listid20\\listoverridecount0\\ls2}}"
              "\\pard\\ls1{\\listtext\\'b7\\tab}dot\\par\\pard\\ls2{\\listtext 1.\\tab}num\\par\\pard\\ls9 unknown\\par}");
    EXPECT_EQ(doc.toPlainText(), "dot\nnum\nunknown");
    ASSERT_NE(doc.findBlockByNumber(0).textList(), nullptr);
    EXPECT_EQ(doc.findBlockByNumber(0).textList()->format().style(), QTextListFormat::ListDisc);
    ASSERT_NE(doc.findBlockByNumber(1).textList(), nullptr);
    EXPECT_EQ(doc.findBlockByNumber(1).textList()->format().style(), QTextListFormat::ListDecimal);
    ASSERT_NE(doc.findBlockByNumber(2).textList(), nullptr);
    EXPECT_EQ(doc.findBlockByNumber(2).textList()->format().style(), QTextListFormat::ListDisc);
}

TEST(RtfReaderTest, UnicodeAndFallbacks) {
    EXPECT_EQ(Text("{\\rtf1 a\\u1041?b}"), QString::fromUtf8("aБb"));
    EXPECT_EQ(Text("{\\rtf1\\uc2 \\u1041\\'3f\\'3fb}"), QString::fromUtf8("Бb"));
    EXPECT_EQ(Text("{\\rtf1\\uc0 \\u1041 b}"), QString::fromUtf8("Бb"));
    EXPECT_EQ(Text("{\\rtf1 \\u-3913?}"), QString(QChar(0xF0B7)));                          // negative: + 65536
    EXPECT_EQ(Text("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("\U0001F600"));       // surrogate pair
    EXPECT_EQ(Text("{\\rtf1 {\\uc3 \\u1041}xyz}"), QString::fromUtf8("Бxyz"));           // skipping ends with the group
}

TEST(RtfReaderTest, NamedCharactersAndEscapes) {
    QTextDocument doc;
    LoadRtf(doc, "{\\rtf1 \\~}");
    EXPECT_EQ(doc.toRawText(), QString(QChar(0x00A0)));   // toPlainText would show a blank
    EXPECT_EQ(Text("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\_\\-|\\{\\}\\\\}"),
              QString::fromUtf8("—–‘’“”•\u2011\u00ad|{}\\"));
}

TEST(RtfReaderTest, SkipsDestinationsAndUnknownWords) {
    const QByteArray rtf = Rtf("{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                               "{\\header head}{\\footer foot}{\\headerl h}{\\footerf f}"
                               "{\\*\\generator Writer 1.0;}{\\*\\unknowndest {nested} text}"
                               "{\\pict\\wmetafile8 0123abcdef\\bin4 }}}}}"
                               "{\\object\\objemb{\\*\\objdata 0102}{\\result shown}}"
                               "\\madeupword12 visible\\anotherone-5  text {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}");
    QTextDocument doc;
    EXPECT_TRUE(LoadRtf(doc, rtf));
    EXPECT_EQ(doc.toPlainText(), "visible text link");
}

TEST(RtfReaderTest, DamagedRtfLoadsAsFarAsItCan) {
    EXPECT_EQ(Text("{\\rtf1 unclosed {\\b group"), "unclosed group");
    EXPECT_EQ(Text("{\\rtf1 a}}} b}"), "a");
    EXPECT_EQ(Text("{\\rtf1 }}{ a\\b b"), "");   // the document's group has ended
    EXPECT_EQ(Text("{\\rtf1 cut \\'"), "cut ");
    EXPECT_EQ(Text("{\\rtf1 cut \\'4"), "cut ");
    EXPECT_EQ(Text("{\\rtf1 cut \\"), "cut ");
    EXPECT_EQ(Text("{\\rtf1 x\\fs99999999999999999999 y\\u}"), "xy");
    EXPECT_EQ(Text("{\\rtf1{\\fonttbl{\\f0 Unterminated}\\f1 Second"), "");
    EXPECT_EQ(Text("{\\rtf1{\\colortbl\\red300\\green-2;}\\cf9 c\\cf1 d}"), "cd");
    EXPECT_EQ(Text("{\\rtf1 \\bin999999 lost}"), "");
}

TEST(RtfReaderTest, RandomDamageNeverCrashes) {
    const QByteArray sample = Rtf("{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}\\b bold\\b0\\par \\u1041?\\'e9{\\pict\\bin3 abc}"
                                  "\\pard\\ls1\\qc\\li300 x\\tab y\\line z\\page");
    QRandomGenerator rng(1234);
    const char pieces[] = {'{', '}', '\\', '\'', ' ', '0', '9', '-', 'b', 'u', '\0', '\xff', ';'};
    for (int round = 0; round < 2000; ++round) {
        QByteArray data = sample;
        const int edits = 1 + rng.bounded(8);
        for (int e = 0; e < edits; ++e) {
            const int pos = rng.bounded(int(data.size()));
            switch (rng.bounded(3)) {
            case 0: data[pos] = pieces[rng.bounded(int(sizeof pieces))]; break;
            case 1: data.remove(pos, 1 + rng.bounded(5)); break;
            default: data.truncate(pos); break;
            }
            if (data.isEmpty()) data = "{";
        }
        QTextDocument doc;
        LoadRtf(doc, data);
        SUCCEED();
    }
}

// ---- writer ----

struct Run {
    QString text;
    QString family;
    double size;
    bool bold, italic, underline, strike;
    QColor color;
    bool operator==(const Run&) const = default;
};

struct Para {
    QString text;
    Qt::Alignment alignment;
    qreal left, right, indent, before, after;
    int listStyle;
    std::vector<Run> runs;
    bool operator==(const Para&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Run& r) {
    return os << "\n    [" << r.text.toStdString() << "] " << r.family.toStdString() << " " << r.size << (r.bold ? " b" : "")
              << (r.italic ? " i" : "") << (r.underline ? " u" : "") << (r.strike ? " s" : "") << " "
              << r.color.name().toStdString();
}

std::ostream& operator<<(std::ostream& os, const Para& p) {
    os << "\n  {" << p.text.toStdString() << "} align " << int(p.alignment) << " " << p.left << "/" << p.right << "/"
       << p.indent << "/" << p.before << "/" << p.after << " list " << p.listStyle;
    for (const Run& r : p.runs) os << r;
    return os;
}

std::vector<Para> Describe(const QTextDocument& doc) {
    std::vector<Para> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        // Left-to-right texts only: left and right are the same, absolute or not.
        Para p{b.text(), f.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute, f.leftMargin(), f.rightMargin(), f.textIndent(), f.topMargin(), f.bottomMargin(),
               b.textList() ? int(b.textList()->format().style()) : 0, {}};
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            const QStringList fam = c.fontFamilies().toStringList();
            p.runs.push_back({it.fragment().text(), fam.isEmpty() ? QString() : fam.first(), c.fontPointSize(),
                              c.fontWeight() >= QFont::Bold, c.fontItalic(), c.fontUnderline(), c.fontStrikeOut(),
                              c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color() : QColor()});
        }
        out.push_back(p);
    }
    return out;
}

TEST(RtfWriterTest, RoundTripKeepsTextAndFormatting) {
    QTextDocument original;
    Load(original, Rtf("\\pard\\qc\\f0\\fs32\\b Title \\{x\\} \\\\\\b0\\par"
                       "\\pard\\qj\\li720\\ri360\\fi-240\\sb120\\sa60\\f1\\fs24\\'c0\\'e1 {\\i it}{\\ul ul}{\\strike st}"
                       "\\cf1 red\\cf0\\tab tab\\line line\\par"
                       "\\pard{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}\\f0 bullet one\\par bullet two\\par"
                       "\\pard{\\*\\pn\\pnlvlbody\\pndec}numbered\\par"
                       "\\pard\\qr \\u20013?\\u-10179?\\u-8704? \\emdash\\page"
                       "\\pard\\cf2 next page\\par\\par"));
    const QByteArray saved = SaveRtf(original);
    EXPECT_TRUE(saved.startsWith("{\\rtf1"));
    for (char c : saved) EXPECT_LT(static_cast<unsigned char>(c), 0x80);   // non-ASCII goes out as \uN
    QTextDocument copy;
    EXPECT_TRUE(LoadRtf(copy, saved));
    EXPECT_EQ(copy.toPlainText(), original.toPlainText());
    EXPECT_EQ(Describe(copy), Describe(original));
    EXPECT_EQ(original.blockCount(), 8);
    EXPECT_TRUE(copy.findBlockByNumber(6).blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    // Saving again gives the same bytes.
    EXPECT_EQ(SaveRtf(copy), saved);
}

TEST(RtfWriterTest, SeeThroughColoursAreWrittenAsTheyShowOnWhite) {
    // What a pasted web page carries: a transparent background on every span, see-through text.
    QTextDocument doc, copy;
    doc.setHtml("<span style=\"background-color:transparent;color:rgba(0,0,0,0.6)\">grey</span>"
                "<span style=\"background-color:rgba(255,255,0,0.2)\">pale</span>");
    LoadRtf(copy, SaveRtf(doc));
    EXPECT_FALSE(FormatAt(copy, 0).hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(FormatAt(copy, 0).foreground().color(), QColor(102, 102, 102));
    EXPECT_EQ(FormatAt(copy, 4).background().color(), QColor(255, 255, 204));
}

TEST(RtfWriterTest, FormattingTheEditorGivesSurvivesSavingAndLoading) {
    // Right-to-left paragraphs put at the left and at their natural right; a paragraph that left a
    // list (Backspace at its start) keeps the list's indent; weights other than regular and bold
    // in a narrower face.
    const QString hebrew = QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d");
    QTextDocument doc, copy;
    doc.setPlainText(hebrew + "\n" + hebrew + "\nbullet");
    QTextCursor c(&doc);
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    c.setBlockFormat(left);
    c.movePosition(QTextCursor::End);
    c.createList(QTextListFormat::ListDisc)->remove(c.block());
    const int weights[] = {QFont::ExtraLight, QFont::Light, QFont::Medium, QFont::DemiBold, QFont::Black};
    QTextCharFormat f;
    f.setFontStretch(QFont::Condensed);
    for (int weight : weights) {
        f.setFontWeight(weight);
        c.insertText("w", f);
    }
    LoadRtf(copy, SaveRtf(doc));
    EXPECT_EQ(copy.firstBlock().blockFormat().alignment(), Qt::AlignLeft | Qt::AlignAbsolute);
    EXPECT_EQ(copy.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_EQ(copy.lastBlock().blockFormat().leftMargin(), doc.indentWidth());
    for (int i = 0; i < 5; ++i) {
        const QTextCharFormat w = FormatAt(copy, PosOf(copy, "bullet") + 6 + i);
        EXPECT_TRUE(w.fontWeight() == weights[i] && w.fontStretch() == QFont::Condensed) << i;
    }
}

TEST(RtfWriterTest, ControlCharactersSurviveSavingAndLoading) {
    QString text = "a";
    for (char16_t u = 0; u < 0x20; ++u)
        if (u != '\t' && u != '\n' && u != '\r') text += QChar(u);   // those three are words or paragraphs
    text += "b\x7f";
    QTextDocument doc;
    QTextCursor(&doc).insertText(text);
    QTextDocument copy;
    LoadRtf(copy, SaveRtf(doc));
    EXPECT_EQ(copy.toPlainText(), text);
}

TEST(RtfReaderTest, DeepNestingKeepsTheTextAndReadsOn) {
    // Groups past the depth bound belong to the group at the bound; their text is kept.
    const QByteArray deep = QByteArray(100000, '{') + "deep" + QByteArray(100000, '}');
    EXPECT_EQ(Text("{\\rtf1 a" + deep + " b{\\*\\unknown hidden} c}"), "adeep b c");
}

TEST(RtfWriterTest, DocumentBuiltInTheEditorRoundTrips) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    f.setFontFamilies({"Liberation Serif"});
    f.setFontPointSize(11.5);
    f.setForeground(QColor(10, 20, 30));
    c.insertText("Ελληνικά {and} back\\slash", f);
    QTextBlockFormat b;
    b.setAlignment(Qt::AlignRight);
    c.insertBlock(b);
    f.setFontWeight(QFont::Bold);
    c.insertText("bold", f);
    c.insertBlock(QTextBlockFormat());   // an empty last paragraph is kept
    QTextDocument copy;
    LoadRtf(copy, SaveRtf(doc));
    EXPECT_EQ(Describe(copy), Describe(doc));
    EXPECT_EQ(copy.blockCount(), 3);
    QTextDocument empty, emptyCopy;
    LoadRtf(emptyCopy, SaveRtf(empty));
    EXPECT_EQ(emptyCopy.toPlainText(), "");
    EXPECT_EQ(emptyCopy.blockCount(), 1);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
