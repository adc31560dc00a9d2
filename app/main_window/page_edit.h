#pragma once
// The main window's editor of the day's page.
#include <QTextEdit>

class TPageEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    // Pasted and dropped rich text keeps only what a saved page keeps, so that saving and
    // loading the page again never changes what is on screen.
    void insertFromMimeData(const QMimeData* source) override;
};
