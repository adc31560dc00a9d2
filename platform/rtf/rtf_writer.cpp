#include "rtf.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr double kTwipsPerPixel = 15.0;

int Twips(qreal pixels) { return qRound(pixels * kTwipsPerPixel); }

// Text escaped for RTF: the three special characters, tabs and line breaks as words, other
// control characters as hex bytes, everything beyond ASCII as \uN with "?" for readers
// without Unicode.
QByteArray EscapeText(const QString& text) {
    QByteArray out;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            out += "\\line ";
        } else if (u < 0x20) {
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else if (u < 0x80) {
            out += char(u);
        } else if (u >= 0x80 && u != QChar::ObjectReplacementCharacter) {   // images are not kept
            out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + '?';
        }
    }
    return out;
}

// The colour of a brush of the format as it shows on a white page: none for no brush or a
// transparent one, a see-through colour blended with the white.
std::optional<QColor> OpaqueColor(const QTextCharFormat& f, QTextFormat::Property property) {
    if (!f.hasProperty(property)) return std::nullopt;
    const QBrush brush = f.brushProperty(property);
    const QColor c = brush.color();
    if (brush.style() == Qt::NoBrush || c.alpha() == 0) return std::nullopt;
    const auto blend = [&](int channel) { return qRound(channel * c.alphaF() + 255 * (1 - c.alphaF())); };
    return QColor(blend(c.red()), blend(c.green()), blend(c.blue()));
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {
        fonts_ << doc.defaultFont().family();
    }

    QByteArray Run() {
        // Paragraphs, each with whether a page break comes before it. A table's rows become
        // paragraphs of their cells' text, the cells separated by tabs.
        std::vector<std::pair<QByteArray, bool>> paragraphs;
        const QTextTable* lastTable = nullptr;
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
            const auto* table = qobject_cast<const QTextTable*>(doc_.frameAt(block.position()));
            if (!table) {
                const bool pageBreak = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
                paragraphs.emplace_back(Paragraph(block), pageBreak);
            } else if (table != lastTable) {
                for (int row = 0; row < table->rows(); ++row)
                    paragraphs.emplace_back(TableRow(*table, row), false);
            }
            lastTable = table;
        }
        QByteArray body;
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            body += paragraphs[i].first;
            const bool pageBreak = i + 1 < paragraphs.size() && paragraphs[i + 1].second;
            body += pageBreak ? "\\page\n" : "\\par\n";
        }
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (int i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + EscapeText(fonts_[i]) + ";}";
        out += "}\n{\\colortbl;";
        for (const QColor& c : colors_)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                   "\\blue" + QByteArray::number(c.blue()) + ';';
        out += "}\n";
        out += body;
        out += "}\n";
        return out;
    }

private:
    QByteArray Paragraph(const QTextBlock& block) {
        const QTextBlockFormat f = block.blockFormat();
        QByteArray out = "\\pard";
        // Alignment as it shows: a right-to-left paragraph turns left and right about unless
        // they are absolute, and an explicit left keeps such a paragraph at the left.
        const bool rightToLeft = block.textDirection() == Qt::RightToLeft;
        Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
        if (rightToLeft && !(f.alignment() & Qt::AlignAbsolute) && (a & (Qt::AlignLeft | Qt::AlignRight)))
            a ^= Qt::AlignLeft | Qt::AlignRight;
        if (a & Qt::AlignHCenter) out += "\\qc";
        else if (a & Qt::AlignRight) out += "\\qr";
        else if (a & Qt::AlignJustify) out += "\\qj";
        else if (rightToLeft) out += "\\ql";
        // The indent a paragraph keeps when it leaves a list counts as left margin.
        const qreal left = f.leftMargin() + f.indent() * doc_.indentWidth();
        if (left > 0) out += "\\li" + QByteArray::number(Twips(left));
        if (f.rightMargin() > 0) out += "\\ri" + QByteArray::number(Twips(f.rightMargin()));
        if (f.topMargin() > 0) out += "\\sb" + QByteArray::number(Twips(f.topMargin()));
        if (f.bottomMargin() > 0) out += "\\sa" + QByteArray::number(Twips(f.bottomMargin()));
        if (f.textIndent() != 0) out += "\\fi" + QByteArray::number(Twips(f.textIndent()));
        if (const QTextList* list = block.textList()) {
            const QTextListFormat::Style style = list->format().style();
            const bool numbered = style == QTextListFormat::ListDecimal || style == QTextListFormat::ListLowerAlpha ||
                                  style == QTextListFormat::ListUpperAlpha || style == QTextListFormat::ListLowerRoman ||
                                  style == QTextListFormat::ListUpperRoman;
            out += numbered ? "{\\*\\pn\\pnlvlbody\\pndec}" : "{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}";
        }
        out += Runs(block);
        return out;
    }

    QByteArray Runs(const QTextBlock& block) {
        QByteArray out;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) out += Run(fragment.charFormat(), fragment.text());
        }
        return out;
    }

    // One row of a table as a paragraph: its cells' paragraphs, broken into lines, with a
    // tab between the cells; a cell that spans columns counts once.
    QByteArray TableRow(const QTextTable& table, int row) {
        QByteArray out = "\\pard";
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.column() != column || cell.row() != row) continue;
            if (column > 0) out += "\\tab ";
            bool first = true;
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                const QTextBlock block = it.currentBlock();
                if (!block.isValid()) continue;
                if (!first) out += "\\line ";
                out += Runs(block);
                first = false;
            }
        }
        return out;
    }

    QByteArray Run(const QTextCharFormat& f, const QString& text) {
        QByteArray out = "{\\plain";
        const QStringList families = f.fontFamilies().toStringList();
        const QString family = families.isEmpty() ? QString() : families.first();
        if (!family.isEmpty()) out += "\\f" + QByteArray::number(Index(fonts_, family));
        // Sizes in pixels are of the page's 96 pixels per inch.
        if (f.fontPointSize() > 0) out += "\\fs" + QByteArray::number(qRound(f.fontPointSize() * 2));
        else if (f.intProperty(QTextFormat::FontPixelSize) > 0)
            out += "\\fs" + QByteArray::number(qRound(f.intProperty(QTextFormat::FontPixelSize) * 1.5));
        // Weights between the two that RTF knows go in a word of our own, which other
        // readers skip; they see bold or regular.
        if (f.fontWeight() > QFont::Medium) out += "\\b";
        if (f.fontWeight() != QFont::Normal && f.fontWeight() != QFont::Bold)
            out += "\\selvweight" + QByteArray::number(f.fontWeight());
        if (f.fontStretch() > 0 && f.fontStretch() != 100) out += "\\charscalex" + QByteArray::number(f.fontStretch());
        if (f.fontItalic()) out += "\\i";
        if (f.fontUnderline()) out += "\\ul";
        if (f.fontStrikeOut()) out += "\\strike";
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out += "\\super";
        else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out += "\\sub";
        if (const std::optional<QColor> c = OpaqueColor(f, QTextFormat::BackgroundBrush))
            out += "\\highlight" + QByteArray::number(Index(colors_, *c) + 1);
        if (const std::optional<QColor> c = OpaqueColor(f, QTextFormat::ForegroundBrush))
            out += "\\cf" + QByteArray::number(Index(colors_, *c) + 1);
        out += ' ';
        out += EscapeText(text);
        out += '}';
        return out;
    }

    template <typename List, typename T> static int Index(List& list, const T& value) {
        int i = list.indexOf(value);
        if (i < 0) {
            list << value;
            i = list.size() - 1;
        }
        return i;
    }

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QColor> colors_;
};

} // namespace

QByteArray SaveRtf(const QTextDocument& document) { return Writer(document).Run(); }
