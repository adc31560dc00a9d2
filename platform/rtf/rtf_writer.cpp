#include "rtf.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

constexpr double kTwipsPerPixel = 15.0;

int Twips(qreal pixels) { return qRound(pixels * kTwipsPerPixel); }

// Text escaped for RTF: the three special characters, tabs and line breaks as words,
// everything beyond ASCII as \uN with "?" for readers without Unicode.
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
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u >= 0x80) {
            out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + '?';
        }
    }
    return out;
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {
        fonts_ << doc.defaultFont().family();
    }

    QByteArray Run() {
        QByteArray body;
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
            body += Paragraph(block);
            const QTextBlock next = block.next();
            const bool pageBreak = next.isValid() &&
                (next.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
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
        const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter) out += "\\qc";
        else if (a & Qt::AlignRight) out += "\\qr";
        else if (a & Qt::AlignJustify) out += "\\qj";
        if (f.leftMargin() > 0) out += "\\li" + QByteArray::number(Twips(f.leftMargin()));
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
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) out += Run(fragment.charFormat(), fragment.text());
        }
        return out;
    }

    QByteArray Run(const QTextCharFormat& f, const QString& text) {
        QByteArray out = "{\\plain";
        const QStringList families = f.fontFamilies().toStringList();
        const QString family = families.isEmpty() ? QString() : families.first();
        if (!family.isEmpty()) out += "\\f" + QByteArray::number(Index(fonts_, family));
        if (f.fontPointSize() > 0) out += "\\fs" + QByteArray::number(qRound(f.fontPointSize() * 2));
        if (f.fontWeight() > QFont::Medium) out += "\\b";
        if (f.fontItalic()) out += "\\i";
        if (f.fontUnderline()) out += "\\ul";
        if (f.fontStrikeOut()) out += "\\strike";
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            out += "\\cf" + QByteArray::number(Index(colors_, f.foreground().color()) + 1);
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
