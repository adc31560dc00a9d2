#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>

#include "app_windows.h"
#include "message_box.h"
#include "print_dialog.h"
#include "rich_edit_printing.h"

namespace {

// The windows on December 25, 2024, printing to a PDF file in the test's data folder.
class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.SetOption(QStringLiteral("OldCalendar"), false);
        env.Create();
        env.ShowDate(QDate(2024, 12, 25));
        pdf = env.data.filePath(QStringLiteral("out.pdf"));
        QPrinter& printer = env.main->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setResolution(300);
    }

    QTextEdit& Edit() const { return *env.main->MainRichEdit; }
    // `count` numbered lines.
    void SetLines(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("Line %1").arg(i);
        Edit().setPlainText(lines.join(QLatin1Char('\n')));
        Edit().document()->setModified(false);
    }
    void Select(int from, int to)
    {
        QTextCursor cursor(Edit().document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        Edit().setTextCursor(cursor);
    }
    // Pages in the written PDF file; -1 when there is none.
    int PdfPages() const
    {
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        const QString text = QString::fromLatin1(file.readAll());
        return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    }
    // Pages the whole text takes on its own.
    int PagesOfAll()
    {
        env.main->PrintPages(1, INT_MAX);
        const int pages = PdfPages();
        QFile::remove(pdf);
        return pages;
    }

    ~PrintingTest() override { SetPrintDialogHook(nullptr); }

    TAppWindows env;
    QString pdf;
};

} // namespace

TEST_F(PrintingTest, PrintsAllPagesOrARangeAndLeavesThePageAsItWas)
{
    SetLines(30);
    const int onePage = PagesOfAll();
    EXPECT_EQ(onePage, 1);

    SetLines(400);
    const QString text = Edit().toPlainText();
    const int all = PagesOfAll();
    ASSERT_GE(all, 5);
    EXPECT_EQ(Edit().toPlainText(), text);
    EXPECT_FALSE(Edit().document()->isModified());

    env.main->PrintPages(3, 4);
    EXPECT_EQ(PdfPages(), 2);
    QFile::remove(pdf);
    env.main->PrintPages(all, INT_MAX);
    EXPECT_EQ(PdfPages(), 1);

    // A changed page stays changed and shows no title line.
    QFile::remove(pdf);
    Edit().document()->setModified(true);
    env.main->PrintPages(1, 2);
    EXPECT_EQ(PdfPages(), 2);
    EXPECT_TRUE(Edit().document()->isModified());
    EXPECT_EQ(Edit().toPlainText(), text);
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(PrintingTest, TitleLinesCountOnThePrintedPages)
{
    // Exactly as many lines as fill the first page without the title push one page further.
    QTextEdit edit;
    edit.setFont(Edit().font());
    edit.document()->setDefaultFont(Edit().document()->defaultFont());
    int lines = 40;
    for (;; ++lines) {
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("x");
        edit.setPlainText(text.join(QLatin1Char('\n')));
        ASSERT_TRUE(PrintRichEditPages(QStringLiteral("t"), edit, env.main->Printer(), 1, INT_MAX));
        if (PdfPages() == 2)
            break;
        ASSERT_LT(lines, 400);
    }
    QStringList text;
    for (int i = 0; i < lines - 1; ++i)
        text << QStringLiteral("x");
    edit.setPlainText(text.join(QLatin1Char('\n')));
    ASSERT_TRUE(PrintRichEditPages(QStringLiteral("t"), edit, env.main->Printer(), 1, INT_MAX));
    EXPECT_EQ(PdfPages(), 1);
    ASSERT_TRUE(PrintRichEditPages(QStringLiteral("t"), edit, env.main->Printer(), 1, INT_MAX,
                                   {QStringLiteral("DECEMBER 25"), {}}));
    EXPECT_EQ(PdfPages(), 2);
    EXPECT_EQ(edit.document()->blockCount(), lines - 1);
}

TEST_F(PrintingTest, PrintsTheSelectionWithoutTrailingBreaks)
{
    SetLines(400);
    const int all = PagesOfAll();
    // From the middle of the text to its end: several pages, all printed.
    const QString text = Edit().toPlainText();
    Select(static_cast<int>(text.indexOf(QStringLiteral("Line 100\n"))), static_cast<int>(text.size()));
    env.main->PrintSelection();
    const int part = PdfPages();
    EXPECT_GE(part, 2);
    EXPECT_LT(part, all);

    // A short selection followed by many empty lines prints one page.
    QFile::remove(pdf);
    Edit().setPlainText(QStringLiteral("Short\n") + QString(300, QLatin1Char('\n')));
    Select(0, Edit().document()->characterCount() - 1);
    env.main->PrintSelection();
    EXPECT_EQ(PdfPages(), 1);
    EXPECT_TRUE(env.messages.isEmpty());
}

TEST_F(PrintingTest, NothingToPrintIsReported)
{
    Edit().clear();
    env.main->PrintPages(1, INT_MAX);
    EXPECT_EQ(env.messages, QStringList{"There is no text to print."});
    SetLines(3);
    Select(2, 2);
    env.main->PrintSelection();
    EXPECT_EQ(env.messages.value(1), "There is no text selected to print.");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintingTest, APrinterThatCannotOpenIsReported)
{
    SetLines(3);
    env.main->Printer().setOutputFileName(env.data.filePath(QStringLiteral("missing/dir/out.pdf")));
    env.main->PrintPages(1, INT_MAX);
    EXPECT_EQ(env.messages, QStringList{"The printer could not be opened."});
}

TEST_F(PrintingTest, PrintCommandFollowsTheDialogsChoice)
{
    SetLines(400);
    int shown = 0;
    QPrinter::PrintRange range = QPrinter::AllPages;
    SetPrintDialogHook([&](QPrintDialog& dialog) {
        ++shown;
        EXPECT_EQ(dialog.printer()->fromPage(), 1);
        EXPECT_EQ(dialog.printer()->toPage(), 1);
        EXPECT_EQ(dialog.maxPage(), INT_MAX);
        dialog.printer()->setPrintRange(range);
        dialog.printer()->setFromTo(2, 3);
        return range != QPrinter::CurrentPage;
    });
    range = QPrinter::PageRange;
    env.main->MPrint->trigger();
    EXPECT_EQ(PdfPages(), 2);

    QFile::remove(pdf);
    range = QPrinter::Selection;
    Select(0, 4);
    env.main->MPrint->trigger();
    EXPECT_EQ(PdfPages(), 1);

    // Cancelled in the dialog: nothing printed.
    QFile::remove(pdf);
    range = QPrinter::CurrentPage;
    env.main->MPrint->trigger();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(shown, 3);

    // Cancelled in the save question: no dialog.
    SetMessageBoxHook([this](QMessageBox& box) {
        env.messages << box.text();
        return QMessageBox::Cancel;
    });
    Edit().document()->setModified(true);
    env.main->MPrint->trigger();
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(env.messages, QStringList{"Text has changed. Create new personalized file?"});
}

TEST_F(PrintingTest, AnsweringNoToTheSaveQuestionPrintsThePageAsItStandsAndKeepsTheEdits)
{
    Edit().textCursor().insertText(QStringLiteral("An edit that is kept. "));
    const QString edited = Edit().toPlainText();
    ASSERT_TRUE(Edit().document()->isModified());
    SetMessageBoxHook([](QMessageBox&) { return QMessageBox::No; });
    bool dialogShown = false;
    SetPrintDialogHook([&](QPrintDialog&) {
        dialogShown = true;
        EXPECT_EQ(Edit().toPlainText(), edited);
        return false;
    });
    env.main->MPrint->trigger();
    SetMessageBoxHook(nullptr);
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(Edit().document()->isModified());
}

TEST_F(PrintingTest, TitleTakesTheFirstCharactersStyleInTheToolbarsSize)
{
    QTextCursor first(Edit().document());
    first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    first.mergeCharFormat(italic);
    env.main->ETBFontSize->setEditText(QStringLiteral("20"));
    const TPrintHeading heading = env.main->PrintHeading();
    EXPECT_EQ(heading.text, "DECEMBER 25");
    EXPECT_TRUE(heading.format.fontItalic());
    EXPECT_EQ(heading.format.fontPointSize(), 20);
}
