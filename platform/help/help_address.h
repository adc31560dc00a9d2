#pragma once
// Addresses of help topics: the path of a compiled help file, then optionally "::" and the
// page inside the file ("::/html/refdlg/fontdlg.htm"), "#" and an anchor on that page, and
// ">" with the type of window to show it in.
#include <QString>

struct THelpAddress {
    QString file;
    QString page;         // without the leading slash; empty for the file's default topic
    QString anchor;
    QString windowType;
};

THelpAddress ParseHelpAddress(const QString& address);
