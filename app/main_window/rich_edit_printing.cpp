#include "rich_edit_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

#include <climits>
#include <memory>

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() <= 32 || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Lays `doc` out on the printer's pages and prints those from fromPage to toPage.
bool PrintDocument(const QString& title, QTextDocument& doc, QPrinter& printer, int sourceDpi,
                   int fromPage, int toPage)
{
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scale = printer.resolution() / static_cast<double>(sourceDpi);
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF page(paper.width() / scale, paper.height() / scale);
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setMargin(0);
    doc.rootFrame()->setFrameFormat(frame);
    doc.setPageSize(page);

    const int pages = doc.pageCount();
    bool firstPrinted = true;
    for (int number = 1; number <= pages; ++number) {
        if (number < fromPage || number > toPage)
            continue;
        if (!firstPrinted)
            printer.newPage();
        firstPrinted = false;
        const QRectF view(0, (number - 1) * page.height(), page.width(), page.height());
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace

bool PrintRichEditPages(const QString& title, const QTextEdit& edit, QPrinter& printer,
                        int fromPage, int toPage, const TPrintHeading& heading)
{
    const std::unique_ptr<QTextDocument> doc(edit.document()->clone());
    if (!heading.text.isEmpty()) {
        QTextCursor cursor(doc.get());
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.movePosition(QTextCursor::Start);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(centred);
        cursor.insertText(heading.text, heading.format);
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.setBlockFormat(QTextBlockFormat());
    }
    return PrintDocument(title, *doc, printer, edit.logicalDpiY(), fromPage, toPage);
}

bool PrintRichEditSelection(const QString& title, const QTextEdit& edit, QPrinter& printer)
{
    QTextCursor range = edit.textCursor();
    const int start = range.selectionStart();
    int end = range.selectionEnd();
    while (end > start && IsBlank(edit.document()->characterAt(end - 1)))
        --end;
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    QTextDocument doc;
    doc.setDefaultFont(edit.document()->defaultFont());
    QTextCursor(&doc).insertFragment(QTextDocumentFragment(range));
    return PrintDocument(title, doc, printer, edit.logicalDpiY(), 1, INT_MAX);
}
