#pragma once
// The help window: the contents, index and full-text search of one compiled help file
// beside the browser that shows its topics, with Back, Forward and Home.
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
    // Takes over the opened help file.
    explicit THelpWindow(std::unique_ptr<THelpFile> file);
    ~THelpWindow() override;

    // Shows `page` (the default page when empty), scrolled to `anchor`.
    void ShowTopic(const QString& page, const QString& anchor);

    THelpBrowser* Browser() const { return FBrowser; }
    THelpFile& File() const { return *FFile; }

private:
    std::unique_ptr<THelpFile> FFile;
    THelpBrowser* FBrowser;
};
