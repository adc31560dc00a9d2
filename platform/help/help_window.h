#pragma once
// The help window: the contents, index and full-text search of one compiled help file
// beside the browser that shows its topics, with Back, Forward and Home.
#include <QTextBrowser>
#include <QWidget>

#include <memory>

class QHelpContentWidget;
class THelpFile;
struct QHelpLink;

// Shows the pages of a help file and the pictures in it, nothing from the disk or the
// network; links between its pages follow inside the file, web links open in the web
// browser, other links do nothing.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    THelpBrowser(THelpFile& file, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;
    // Shows the page of the file at `url` (scrolled to its anchor); false when the file has
    // no such page.
    bool ShowPage(const QUrl& url);

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // A page shown at an anchor has room below its end, so that the anchor comes to the top
    // of the view, the last ones of the page too.
    void KeepRoomBelowPage();

    THelpFile& FFile;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // Takes over the opened help file. With a `placementKey` of the registry, the window
    // takes the place and size it had when last closed and keeps them there again.
    THelpWindow(std::unique_ptr<THelpFile> file, const QString& placementKey);
    ~THelpWindow() override;

    // Shows `page` (the default page when empty), scrolled to `anchor`.
    void ShowTopic(const QString& page, const QString& anchor);

    THelpBrowser* Browser() const { return FBrowser; }
    THelpFile& File() const { return *FFile; }
    QHelpContentWidget* Contents() const;

    // The entry of the contents that leads to `url`: the one naming its anchor too, else the
    // first for its page; invalid when the contents have none.
    QModelIndex ContentsEntry(const QUrl& url) const;
    // An index word that leads to several topics: the user picks the one to show.
    void ChooseTopic(const QList<QHelpLink>& topics, const QString& word);

private:
    // The contents entry of the page shown becomes the current one.
    void FollowInContents(const QUrl& url);
    // The entry's title below those of the entries it stands in ("The Preferences Dialog >
    // Bible Files Page > OK").
    QString ContentsPath(const QModelIndex& entry) const;

    std::unique_ptr<THelpFile> FFile;
    QString FPlacementKey;
    THelpBrowser* FBrowser;
};
