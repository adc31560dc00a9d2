#pragma once
// A compiled help file opened for reading. The file is registered in a help collection of
// its own in a folder made for it (a temporary folder, else one in the user's cache folder),
// which lives as long as this object.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class QHelpEngine;

class THelpFile {
public:
    THelpFile();
    ~THelpFile();
    THelpFile(const THelpFile&) = delete;
    THelpFile& operator=(const THelpFile&) = delete;

    // Opens the compiled help file at `path`; false, with `error` saying why in the user's
    // words, when it is missing, unreadable or not a compiled help file.
    bool Open(const QString& path, QString& error);
    // Whether this is the file at `path` as it is now on disk.
    bool Reads(const QString& path) const;

    // The pages of the file by their paths inside it ("html/refdlg/fontdlg.htm").
    QStringList Pages() const;
    bool HasPage(const QString& page) const { return FPages.contains(page); }
    // The address of a page for the help engine and the topic browser.
    QUrl PageUrl(const QString& page, const QString& anchor = {}) const;
    // The page behind an address of the help engine; empty when the file has none.
    QString PageOf(const QUrl& url) const;
    QByteArray PageData(const QString& page) const;
    // The page shown when the file is opened without a topic.
    QString DefaultPage() const { return FDefaultPage; }
    // The title the file gives its help window.
    QString Title() const { return FTitle; }

    QHelpEngine& Engine() { return *FEngine; }

private:
    std::unique_ptr<QTemporaryDir> FCollectionDir;
    std::unique_ptr<QHelpEngine> FEngine;
    QString FPath;
    QDateTime FModified;
    QString FNamespace;
    QHash<QString, QUrl> FPages;
    QString FDefaultPage;
    QString FTitle;
};

// Opens the help file at `path` for showing help; nullptr when it cannot be read, after
// telling the user why (see ReportHelpTrouble).
std::unique_ptr<THelpFile> OpenHelpFile(const QString& path);
// Tells the user why help cannot be shown, in the program's message box; a message already
// given in this run is not given again.
void ReportHelpTrouble(const QString& message);
// The message for a topic that the help file at `path` lacks.
QString MissingTopicMessage(const QString& path, const QString& page);
