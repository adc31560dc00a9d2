// The main window's Print command: the whole page, a range of its pages or the selection,
// one inch inside each edge of the paper, the page set headed by the day's date title.
#include <QAction>
#include <QComboBox>
#include <QPageLayout>
#include <QPrinter>
#include <QTextCursor>
#include <QTextEdit>

#include <climits>

#include "bible_search_dlg.h"
#include "print_dialog.h"
#include "rich_edit_printing.h"
#include "selvarion_main_form.h"

namespace {

void SetInchMargins(QPrinter& printer)
{
    printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
}

} // namespace

QPrinter& TSelvarionMainForm::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void TSelvarionMainForm::MPrintClick()
{
    if (!CheckSaveChanges(MPrint))
        return;
    QPrinter& printer = Printer();
    if (!RunPrintDialog(this, printer))
        return;
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        PrintPages(printer.fromPage(), printer.toPage());
        break;
    case QPrinter::Selection:
        PrintSelection();
        break;
    default:
        PrintPages(1, INT_MAX);
        break;
    }
}

TPrintHeading TSelvarionMainForm::PrintHeading() const
{
    TPrintHeading heading;
    heading.text = GetShortDateTitle().toUpper();
    // The style of the page's first character, in the font, size and colour of the edit toolbar.
    heading.format = QTextCursor(MainRichEdit->document()).charFormat();
    heading.format.setFontFamilies({ETBFontName->currentText()});
    // A size box without a whole number leaves the title in the page's own size.
    bool sizeOk = false;
    const int size = ETBFontSize->currentText().trimmed().toInt(&sizeOk);
    if (sizeOk && size > 0) {
        heading.format.clearProperty(QTextFormat::FontPixelSize);
        heading.format.setFontPointSize(size);
    }
    if (ETBFontColor->currentIndex() >= 0)
        heading.format.setForeground(ETBFontColor->currentData().value<QColor>());
    return heading;
}

void TSelvarionMainForm::PrintPages(int fromPage, int toPage)
{
    if (MainRichEdit->document()->isEmpty()) {
        ShowMessageCentered(QStringLiteral("There is no text to print."), QMessageBox::Critical,
                            QMessageBox::Ok);
        return;
    }
    const QString title = GetShortDateTitle();
    TPrintHeading heading = PrintHeading();
    // A Bible passage found in search mode is printed without the day's title.
    if (BibleSearchDlg && BibleSearchDlg->FInSearchMode)
        heading.text.clear();
    QPrinter& printer = Printer();
    SetInchMargins(printer);
    if (!PrintRichEditPages(QStringLiteral("Selvarion ") + title, *MainRichEdit, printer, fromPage,
                            toPage, heading))
        ShowMessageCentered(QStringLiteral("The printer could not be opened."), QMessageBox::Critical,
                            QMessageBox::Ok);
}

void TSelvarionMainForm::PrintSelection()
{
    if (!MainRichEdit->textCursor().hasSelection()) {
        ShowMessageCentered(QStringLiteral("There is no text selected to print."), QMessageBox::Critical,
                            QMessageBox::Ok);
        return;
    }
    QPrinter& printer = Printer();
    SetInchMargins(printer);
    if (!PrintRichEditSelection(QStringLiteral("Selvarion ") + GetShortDateTitle(), *MainRichEdit, printer))
        ShowMessageCentered(QStringLiteral("The printer could not be opened."), QMessageBox::Critical,
                            QMessageBox::Ok);
}
