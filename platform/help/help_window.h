#pragma once
// The help window: the contents, index and full-text search of one compiled help file
// beside the browser that shows its topics, with Back, Forward and Home.
#include <QDateTime>
#include <QTextBrowser>
#include <QWidget>

#include <memory>

class THelpFile;

// Shows the pages of a help file; links between them follow inside the file, links to
// web addresses open in the web browser.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    THelpBrowser(THelpFile& file, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    THelpFile& FFile;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // Takes over the opened help file read from `path`.
    THelpWindow(std::unique_ptr<THelpFile> file, const QString& path);
    ~THelpWindow() override;

    // Whether the window shows the file at `path` as it is now on disk.
    bool Shows(const QString& path) const;
    // Shows `page` (the default page when empty), scrolled to `anchor`.
    void ShowTopic(const QString& page, const QString& anchor);

    THelpBrowser* Browser() const { return FBrowser; }
    THelpFile& File() const { return *FFile; }

private:
    std::unique_ptr<THelpFile> FFile;
    QString FPath;
    QDateTime FModified;
    THelpBrowser* FBrowser;
};
