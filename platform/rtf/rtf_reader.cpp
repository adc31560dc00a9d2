#include "rtf.h"

#include "code_pages.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <vector>

namespace {

// Twips (1/1440 inch) to document pixels at 96 per inch, and back in the writer.
constexpr double kTwipsPerPixel = 15.0;
// Groups nested deeper than this (no page comes near it) are read as part of the group at
// this depth, so that hostile nesting costs no memory.
constexpr size_t kMaxGroupDepth = 256;

enum class Destination {
    Text,        // shown text
    Skip,        // everything up to the group's end is dropped
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    OldBullet,   // {\*\pn ...}: the paragraph's old-style bullet or number
};

enum class ListKind { None, Bullet, Number };

struct CharProps {
    int font = -1;        // font number, -1: the document's default
    int halfPoints = 0;   // 0: the document's default size
    bool bold = false, italic = false, underline = false, strike = false;
    int weight = 0;       // a weight of our own word, 0: as bold says
    int stretch = 0;      // \charscalex percent, 0: normal
    int color = 0;        // colour-table index, 0: automatic
    int highlight = 0;    // colour-table index, 0: none
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    bool operator==(const CharProps&) const = default;
};

struct ParaProps {
    Qt::Alignment alignment = Qt::AlignLeft;   // an explicit \ql or \qr is absolute
    bool inTable = false;                      // \intbl: a paragraph mark only breaks the line
    int left = 0, right = 0, first = 0;   // twips
    int before = 0, after = 0;            // space around the paragraph, twips
    ListKind list = ListKind::None;
    int listId = 0;                       // \ls number, 0 for old-style bullets
    int level = 0;
};

struct State {
    Destination dest = Destination::Text;
    CharProps chars;
    ParaProps para;
    int skipAfterUnicode = 1;   // \uc
    bool starred = false;       // "\*" seen at the group's start
};

struct Font {
    QString family;
    int codePage = 1252;
};

class Reader {
public:
    Reader(QTextDocument& doc, const QByteArray& data) : doc_(doc), data_(data), cursor_(&doc) {}

    void Run() {
        // A loaded page starts with an empty undo history; recording each insert would only cost time.
        const bool undo = doc_.isUndoRedoEnabled();
        doc_.setUndoRedoEnabled(false);
        Read();
        doc_.setUndoRedoEnabled(undo);
    }

private:
    void Read() {
        // One edit for the whole load, the clearing included: the document lays nothing out
        // while it grows, and afterwards, as a new document does, only as far as it is shown.
        cursor_.beginEditBlock();
        doc_.clear();
        stack_.push_back(State{});
        while (pos_ < data_.size()) {
            const char c = data_[pos_];
            if (c == '{') {
                ++pos_;
                unicodeSkip_ = 0;
                FlushText();
                if (stack_.size() >= kMaxGroupDepth) {
                    ++excessDepth_;
                    continue;
                }
                State inner = stack_.back();
                inner.starred = false;
                stack_.push_back(inner);
            } else if (c == '}') {
                ++pos_;
                unicodeSkip_ = 0;
                if (excessDepth_ > 0) {
                    FlushText();
                    --excessDepth_;
                    continue;
                }
                PopGroup();
                if (stack_.size() == 1 && sawRtfGroup_) break;   // end of the document's group
            } else if (c == '\\') {
                ++pos_;
                ControlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                Byte(static_cast<unsigned char>(c));
            }
        }
        FlushText();
        // Text after the last paragraph mark makes the last paragraph; the mark itself
        // opens no empty one.
        if (paragraphOpen_) EndParagraph(false);
        cursor_.endEditBlock();
    }

    State& S() { return stack_.back(); }

    void PopGroup() {
        FlushText();
        if (stack_.size() <= 1) return;   // unbalanced: ignore
        const State closed = stack_.back();
        stack_.pop_back();
        if (closed.dest == Destination::OldBullet && closed.para.list != ListKind::None) {
            S().para.list = closed.para.list;
            S().para.listId = 0;
        }
        if (closed.dest == Destination::FontTable && S().dest != Destination::FontTable) CommitFont();
        if (closed.dest == Destination::ColorTable && S().dest != Destination::ColorTable) CommitColorEntry(false);
    }

    // ---- control words ----

    void ControlWord() {
        if (pos_ >= data_.size()) return;
        const char c = data_[pos_];
        if (!isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < data_.size() && isalpha(static_cast<unsigned char>(data_[pos_])) && pos_ - start < 32) ++pos_;
        const QByteArray word = data_.mid(start, pos_ - start);
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (pos_ < data_.size() && data_[pos_] == '-' && pos_ + 1 < data_.size() && isdigit(static_cast<unsigned char>(data_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        while (pos_ < data_.size() && isdigit(static_cast<unsigned char>(data_[pos_]))) {
            hasParam = true;
            if (param < 100000000) param = param * 10 + (data_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
        Word(word, hasParam, static_cast<int>(negative ? -param : param));
    }

    void ControlSymbol(char c) {
        switch (c) {
        case '\\': case '{': case '}': Text(QChar::fromLatin1(c)); break;
        case '~': Text(QChar(0x00A0)); break;
        case '_': Text(QChar(0x2011)); break;
        case '-': Text(QChar(0x00AD)); break;
        case '\'': Hex(); break;
        case '*': S().starred = true; break;
        case '\r': case '\n': Paragraph(false); break;
        case '\t': Text(QChar('\t')); break;
        default: break;   // unknown symbols are ignored
        }
    }

    void Hex() {
        auto digit = [&](qsizetype i) { return i < data_.size() && isxdigit(static_cast<unsigned char>(data_[i])); };
        if (!digit(pos_) || !digit(pos_ + 1)) {   // a cut-off escape is dropped
            if (digit(pos_)) ++pos_;
            return;
        }
        const int value = data_.mid(pos_, 2).toInt(nullptr, 16);
        pos_ += 2;
        Byte(static_cast<unsigned char>(value));
    }

    void Word(const QByteArray& w, bool hasParam, int p) {
        State& s = S();
        if (w == "bin") {   // binary data, also inside skipped groups
            pos_ += qMax(0, p);
            return;
        }
        if (s.dest == Destination::Skip) return;
        // A starred group whose first word is not one we read is dropped whole.
        if (s.starred) {
            s.starred = false;
            if (w == "pn") {
                s.dest = Destination::OldBullet;
                return;
            }
            if (w == "listtable") { s.dest = Destination::ListTable; return; }
            if (w == "listoverridetable") { s.dest = Destination::ListOverrideTable; return; }
            s.dest = Destination::Skip;
            return;
        }
        if (s.dest == Destination::FontTable) return FontTableWord(w, p);
        if (s.dest == Destination::ColorTable) return ColorTableWord(w, p);
        if (s.dest == Destination::ListTable || s.dest == Destination::ListOverrideTable) return ListTableWord(w, p);
        if (s.dest == Destination::OldBullet) {
            if (w == "pnlvlblt") s.para.list = ListKind::Bullet;
            else if (w == "pnlvlbody" || w == "pnlvlcont") s.para.list = ListKind::Number;
            else if (w == "pntxtb" || w == "pntxta") s.dest = Destination::Skip;
            return;
        }
        const int v = hasParam ? p : 1;
        if (w == "rtf") { sawRtfGroup_ = true; return; }
        if (w == "ansicpg") { ansiCodePage_ = p; return; }
        if (w == "deff") { defaultFont_ = p; return; }
        if (w == "fonttbl") { s.dest = Destination::FontTable; font_ = {}; fontNumber_ = -1; return; }
        if (w == "colortbl") { s.dest = Destination::ColorTable; return; }
        if (w == "listtable") { s.dest = Destination::ListTable; return; }
        if (w == "listoverridetable") { s.dest = Destination::ListOverrideTable; return; }
        if (w == "stylesheet" || w == "info" || w == "pict" || w == "object" || w == "header" ||
            w == "headerl" || w == "headerr" || w == "headerf" || w == "footer" || w == "footerl" ||
            w == "footerr" || w == "footerf" || w == "pntext" || w == "listtext" || w == "fldinst" ||
            w == "footnote" || w == "xe" || w == "tc" || w == "nonshppict" || w == "themedata" ||
            w == "colorschememapping" || w == "latentstyles" || w == "datastore" || w == "xmlnstbl") {
            s.dest = Destination::Skip;
            return;
        }
        if (w == "pn") { s.dest = Destination::OldBullet; return; }
        // characters
        if (w == "par") return s.para.inTable ? Text(QChar(QChar::LineSeparator)) : Paragraph(false);
        // A table's row becomes one paragraph, its cells separated by tabs.
        if (w == "cell") return EndCell();
        if (w == "row") return Paragraph(false);
        if (w == "page") return Paragraph(true);
        if (w == "line") return Text(QChar(QChar::LineSeparator));
        if (w == "tab") return Text(QChar('\t'));
        if (w == "emdash") return Text(QChar(0x2014));
        if (w == "endash") return Text(QChar(0x2013));
        if (w == "emspace") return Text(QChar(0x2003));
        if (w == "enspace") return Text(QChar(0x2002));
        if (w == "lquote") return Text(QChar(0x2018));
        if (w == "rquote") return Text(QChar(0x2019));
        if (w == "ldblquote") return Text(QChar(0x201C));
        if (w == "rdblquote") return Text(QChar(0x201D));
        if (w == "bullet") return Text(QChar(0x2022));
        if (w == "u" && hasParam) {
            Text(QChar(static_cast<char16_t>(p < 0 ? p + 65536 : p)));
            unicodeSkip_ = s.skipAfterUnicode;
            return;
        }
        if (w == "uc") { s.skipAfterUnicode = qMax(0, p); return; }
        // character formats
        CharProps& c = s.chars;
        if (w == "plain") { c = CharProps{}; return; }
        if (w == "b") {
            c.bold = v != 0;
            c.weight = 0;
            return;
        }
        if (w == "selvweight") { c.weight = qBound(0, p, 1000); return; }
        if (w == "charscalex") { c.stretch = qBound(0, p, 4000); return; }
        if (w == "i") { c.italic = v != 0; return; }
        if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth") { c.underline = v != 0; return; }
        if (w == "ulnone") { c.underline = false; return; }
        if (w == "strike") { c.strike = v != 0; return; }
        if (w == "f") { c.font = p; return; }
        if (w == "fs") { c.halfPoints = qBound(0, p, 3276); return; }
        if (w == "cf") { c.color = qMax(0, p); return; }
        if (w == "highlight") { c.highlight = qMax(0, p); return; }
        if (w == "super") { c.vertical = QTextCharFormat::AlignSuperScript; return; }
        if (w == "sub") { c.vertical = QTextCharFormat::AlignSubScript; return; }
        if (w == "nosupersub") { c.vertical = QTextCharFormat::AlignNormal; return; }
        // paragraph formats
        ParaProps& para = s.para;
        if (w == "pard") { para = ParaProps{}; return; }
        if (w == "ql") { para.alignment = Qt::AlignLeft | Qt::AlignAbsolute; return; }
        if (w == "qc") { para.alignment = Qt::AlignHCenter; return; }
        if (w == "qr") { para.alignment = Qt::AlignRight | Qt::AlignAbsolute; return; }
        if (w == "intbl") { para.inTable = true; return; }
        if (w == "qj") { para.alignment = Qt::AlignJustify; return; }
        if (w == "li") { para.left = p; return; }
        if (w == "ri") { para.right = p; return; }
        if (w == "fi") { para.first = p; return; }
        if (w == "sb") { para.before = p; return; }
        if (w == "sa") { para.after = p; return; }
        if (w == "ls") {
            para.listId = p;
            para.list = listBullets_.value(listOverrides_.value(p, -1), true) ? ListKind::Bullet : ListKind::Number;
            return;
        }
        if (w == "ilvl") { para.level = qBound(0, p, 8); return; }
        // anything else is ignored
    }

    // ---- tables ----

    void FontTableWord(const QByteArray& w, int p) {
        if (w == "f") {
            CommitFont();
            fontNumber_ = p;
        } else if (w == "fcharset") {
            font_.codePage = CodePageOfCharset(p, ansiCodePage_);
        } else if (w == "u" && fontNumber_ >= 0) {
            font_.family += QChar(static_cast<char16_t>(p < 0 ? p + 65536 : p));
            unicodeSkip_ = S().skipAfterUnicode;
        } else if (w == "cpg") {
            font_.codePage = p;
        } else if (w == "panose" || w == "falt" || w == "fname") {
            S().dest = Destination::Skip;
        }
    }

    void CommitFont() {
        if (fontNumber_ >= 0) {
            QString family = font_.family.trimmed();
            if (family.endsWith(QLatin1Char(';'))) family.chop(1);
            font_.family = family;
            fonts_.insert(fontNumber_, font_);
        }
        fontNumber_ = -1;
        font_ = {};
    }

    void ColorTableWord(const QByteArray& w, int p) {
        const int v = qBound(0, p, 255);
        if (w == "red") { color_.setRed(v); colorSet_ = true; }
        else if (w == "green") { color_.setGreen(v); colorSet_ = true; }
        else if (w == "blue") { color_.setBlue(v); colorSet_ = true; }
    }

    // `semicolon` is false at the end of the table's group: an entry without its ";" still counts.
    void CommitColorEntry(bool semicolon) {
        if (!semicolon && !colorSet_) return;
        colors_.push_back(colorSet_ ? color_ : QColor());
        color_ = QColor(0, 0, 0);
        colorSet_ = false;
    }

    void ListTableWord(const QByteArray& w, int p) {
        if (S().dest == Destination::ListTable) {
            if (w == "list") { listLevelSeen_ = false; currentListId_ = -1; listIsBullet_ = true; }
            else if (w == "listid") { currentListId_ = p; listBullets_.insert(p, listIsBullet_); }
            else if (w == "levelnfc" && !listLevelSeen_) {
                listLevelSeen_ = true;
                listIsBullet_ = p == 23 || p == 255;
                if (currentListId_ >= 0) listBullets_.insert(currentListId_, listIsBullet_);
            }
        } else {
            if (w == "listid") overrideListId_ = p;
            else if (w == "ls") listOverrides_.insert(p, overrideListId_);
        }
    }

    // ---- text ----

    void Byte(unsigned char b) {
        State& s = S();
        if (s.dest == Destination::Skip || s.dest == Destination::OldBullet ||
            s.dest == Destination::ListTable || s.dest == Destination::ListOverrideTable)
            return;
        if (s.dest == Destination::FontTable) {
            if (unicodeSkip_ > 0) {
                --unicodeSkip_;
            } else if (b == ';') {
                font_.family += QLatin1Char(';');
                CommitFont();
            } else if (fontNumber_ >= 0) {
                font_.family += DecodeByte(b, font_.codePage);
            }
            return;
        }
        if (s.dest == Destination::ColorTable) {
            if (b == ';') CommitColorEntry(true);
            return;
        }
        Text(DecodeByte(b, CodePageOf(s.chars.font)));
    }

    int CodePageOf(int font) const {
        const auto it = fonts_.find(font < 0 ? defaultFont_ : font);
        return it != fonts_.end() ? it->codePage : CodePageOfCharset(1, ansiCodePage_);
    }

    void Text(QChar ch) {
        if (S().dest != Destination::Text) return;
        if (unicodeSkip_ > 0) {   // a fallback character after \uN
            --unicodeSkip_;
            return;
        }
        if (cellEnded_) {   // the tab between a cell and the next
            cellEnded_ = false;
            Text(QChar('\t'));
        }
        if (!pendingText_.isEmpty() && !(pendingProps_ == S().chars)) FlushText();
        if (pendingText_.isEmpty()) pendingProps_ = S().chars;
        pendingText_ += ch;
    }

    // The paragraph's runs wait for its mark, which brings the paragraph's format: each
    // paragraph is then inserted once, with its format.
    void FlushText() {
        if (pendingText_.isEmpty()) return;
        runs_.push_back({pendingText_, Format(pendingProps_)});
        pendingText_.clear();
        paragraphOpen_ = true;
    }

    QTextCharFormat Format(const CharProps& c) const {
        QTextCharFormat f;
        const auto font = fonts_.find(c.font < 0 ? defaultFont_ : c.font);
        if (font != fonts_.end() && !font->family.isEmpty()) f.setFontFamilies({font->family});
        if (c.halfPoints > 0) f.setFontPointSize(c.halfPoints / 2.0);
        f.setFontWeight(c.weight > 0 ? c.weight : c.bold ? QFont::Bold : QFont::Normal);
        if (c.stretch > 0 && c.stretch != 100) f.setFontStretch(c.stretch);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        f.setFontStrikeOut(c.strike);
        if (c.color > 0 && c.color < int(colors_.size()) && colors_[c.color].isValid())
            f.setForeground(colors_[c.color]);
        if (c.highlight > 0 && c.highlight < int(colors_.size()) && colors_[c.highlight].isValid())
            f.setBackground(colors_[c.highlight]);
        if (c.vertical != QTextCharFormat::AlignNormal) f.setVerticalAlignment(c.vertical);
        return f;
    }

    // The end of a cell: a tab follows when anything of the row follows.
    void EndCell() {
        if (S().dest != Destination::Text) return;
        if (cellEnded_) {   // the cell was empty: the tab after the one before it
            cellEnded_ = false;
            Text(QChar('\t'));
        }
        cellEnded_ = true;
    }

    void Paragraph(bool pageBreak) {
        if (S().dest != Destination::Text) return;
        FlushText();
        EndParagraph(pageBreak);
    }

    void EndParagraph(bool pageBreak) {
        const ParaProps& p = S().para;
        QTextBlockFormat f;
        if (pageBreakNext_) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        f.setAlignment(p.alignment);
        f.setLeftMargin(qMax(0, p.left) / kTwipsPerPixel);
        f.setRightMargin(qMax(0, p.right) / kTwipsPerPixel);
        f.setTextIndent(p.first / kTwipsPerPixel);
        f.setTopMargin(qMax(0, p.before) / kTwipsPerPixel);
        f.setBottomMargin(qMax(0, p.after) / kTwipsPerPixel);
        // The document's first paragraph is the block it starts with.
        if (paragraphs_++ == 0)
            cursor_.setBlockFormat(f);
        else
            cursor_.insertBlock(f);
        for (const auto& [text, format] : runs_) cursor_.insertText(text, format);
        runs_.clear();
        if (p.list == ListKind::None) {
            list_ = nullptr;
        } else {
            const QTextListFormat::Style style = p.list == ListKind::Bullet ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal;
            if (list_ && list_->format().style() == style && listId_ == p.listId && list_->format().indent() == p.level + 1) {
                list_->add(cursor_.block());
            } else {
                QTextListFormat lf;
                lf.setStyle(style);
                lf.setIndent(p.level + 1);
                list_ = cursor_.createList(lf);
                listId_ = p.listId;
            }
        }
        paragraphOpen_ = false;
        pageBreakNext_ = pageBreak;
        cellEnded_ = false;
    }

    QTextDocument& doc_;
    QByteArray data_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    std::vector<State> stack_;
    bool sawRtfGroup_ = false;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    int unicodeSkip_ = 0;

    QHash<int, Font> fonts_;
    Font font_;
    int fontNumber_ = -1;

    std::vector<QColor> colors_;
    QColor color_{0, 0, 0};
    bool colorSet_ = false;

    QHash<int, bool> listBullets_;     // \listid -> bullet (else numbered)
    QHash<int, int> listOverrides_;    // \ls -> \listid
    int currentListId_ = -1, overrideListId_ = -1;
    bool listLevelSeen_ = false, listIsBullet_ = true;

    size_t excessDepth_ = 0;   // groups open beyond kMaxGroupDepth

    QString pendingText_;
    CharProps pendingProps_;
    std::vector<std::pair<QString, QTextCharFormat>> runs_;   // the open paragraph's text
    bool paragraphOpen_ = false;   // text went into the open paragraph
    qsizetype paragraphs_ = 0;     // paragraphs inserted
    bool pageBreakNext_ = false;
    bool cellEnded_ = false;       // a table cell ended; its row goes on
    QTextList* list_ = nullptr;
    int listId_ = 0;
};

bool StartsAsRtf(const QByteArray& data) {
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\r' || data[i] == '\n' || data[i] == '\t')) ++i;
    return data.mid(i, 5) == "{\\rtf";
}

} // namespace

bool LoadRtf(QTextDocument& document, const QByteArray& data) {
    const qsizetype nul = data.indexOf('\0');
    const QByteArray text = nul >= 0 ? data.left(nul) : data;
    if (!StartsAsRtf(text)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString plain = utf8(text);
        if (utf8.hasError()) {
            plain.clear();
            for (char c : text) plain += DecodeByte(static_cast<unsigned char>(c), 1252);
        }
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        document.setPlainText(plain);
        return false;
    }
    Reader(document, text).Run();
    return true;
}
