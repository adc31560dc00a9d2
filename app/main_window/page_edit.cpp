#include "page_edit.h"

#include <QMimeData>
#include <QTextDocumentFragment>

#include "rtf.h"

void TPageEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasHtml() || !acceptRichText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QTextDocument pasted;
    pasted.setDefaultFont(document()->defaultFont());
    pasted.setHtml(source->html());
    QTextDocument kept;
    kept.setDefaultFont(document()->defaultFont());
    LoadRtf(kept, SaveRtf(pasted));
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&kept));
    setTextCursor(cursor);
    ensureCursorVisible();
}
