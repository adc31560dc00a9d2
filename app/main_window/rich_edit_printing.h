#pragma once
// Printing of a rich edit's text page by page, inside the printer's page margins, in the
// layout the text has on the screen scaled to the printer.
#include <QString>
#include <QTextCharFormat>

class QPrinter;
class QTextEdit;

// A line printed above the text, centred, followed by an empty line; it never enters the edit.
struct TPrintHeading {
    QString text;
    QTextCharFormat format;
};

// Prints pages fromPage to toPage (1-based) of the edit's whole text, the heading (when it
// has text) counting as part of that text. False when the printer cannot be opened.
bool PrintRichEditPages(const QString& title, const QTextEdit& edit, QPrinter& printer,
                        int fromPage, int toPage, const TPrintHeading& heading = {});
// Prints the edit's selection without its trailing blanks and line breaks.
bool PrintRichEditSelection(const QString& title, const QTextEdit& edit, QPrinter& printer);
