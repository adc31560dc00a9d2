#include "help_window.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextFrame>
#include <QToolBar>

#include "help_file.h"
#include "reg_ini_file.h"

namespace {

const QString PlacementSection = QStringLiteral("HelpWindow");

QUrl WithoutAnchor(QUrl url)
{
    url.setFragment(QString());
    return url;
}

// The entry below `parent` (itself included) whose address is `url`; with `samePage`, the
// first whose address names the page of `url`.
QModelIndex FindEntry(const QHelpContentModel& model, const QModelIndex& parent, const QUrl& url, bool samePage)
{
    if (parent.isValid()) {
        const QUrl entry = model.contentItemAt(parent)->url();
        if (samePage ? WithoutAnchor(entry) == WithoutAnchor(url) : entry == url)
            return parent;
    }
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex found = FindEntry(model, model.index(row, 0, parent), url, samePage);
        if (found.isValid())
            return found;
    }
    return {};
}

} // namespace

THelpBrowser::THelpBrowser(THelpFile& file, QWidget* parent) : QTextBrowser(parent), FFile(file)
{
    // The browser itself would hand every address that is not a local file to the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (!ShowPage(url) && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
            QDesktopServices::openUrl(url);
    });
}

QVariant THelpBrowser::loadResource(int, const QUrl& name)
{
    // Never an invalid or null answer: the document would read a local file of that name itself.
    const QString page = FFile.PageOf(name.isRelative() ? source().resolved(name) : name);
    return QVariant(page.isEmpty() ? QByteArray() : FFile.PageData(page));
}

bool THelpBrowser::ShowPage(const QUrl& url)
{
    if (FFile.PageOf(url).isEmpty())
        return false;
    if (url != source())
        setSource(url);
    else if (url.hasFragment())
        scrollToAnchor(url.fragment());
    return true;
}

void THelpBrowser::doSetSource(const QUrl& url, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(url, type);
    KeepRoomBelowPage();
    if (url.hasFragment())
        scrollToAnchor(url.fragment());
}

void THelpBrowser::resizeEvent(QResizeEvent* e)
{
    QTextBrowser::resizeEvent(e);
    KeepRoomBelowPage();
}

void THelpBrowser::KeepRoomBelowPage()
{
    QTextFrame* root = document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    const qreal room = source().hasFragment() ? viewport()->height() : document()->documentMargin();
    if (format.bottomMargin() == room)
        return;
    format.setBottomMargin(room);
    root->setFrameFormat(format);
}

THelpWindow::THelpWindow(std::unique_ptr<THelpFile> file, const QString& placementKey)
    : QWidget(nullptr, Qt::Window), FFile(std::move(file)), FPlacementKey(placementKey)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // A closed help window lets go of its file and the page it showed.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FFile->Title().isEmpty() ? QStringLiteral("Help") : FFile->Title());
    QHelpEngine& engine = FFile->Engine();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    layout->addWidget(bar);
    auto* splitter = new QSplitter(this);
    layout->addWidget(splitter, 1);

    auto* tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("HelpNavigation"));
    tabs->addTab(engine.contentWidget(), QStringLiteral("Contents"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexFilter = new QLineEdit(indexPage);
    indexFilter->setPlaceholderText(QStringLiteral("Type a word to look for"));
    indexLayout->addWidget(indexFilter);
    indexLayout->addWidget(engine.indexWidget(), 1);
    tabs->addTab(indexPage, QStringLiteral("Index"));
    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    QHelpSearchEngine* search = engine.searchEngine();
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    tabs->addTab(searchPage, QStringLiteral("Search"));

    FBrowser = new THelpBrowser(*FFile, splitter);
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    splitter->setStretchFactor(1, 3);

    QAction* back = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), QStringLiteral("Back"),
                                   FBrowser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QIcon::fromTheme(QStringLiteral("go-next")), QStringLiteral("Forward"),
                                      FBrowser, &QTextBrowser::forward);
    bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), QStringLiteral("Home"), this,
                   [this] { ShowTopic(QString(), QString()); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(FBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    QHelpContentWidget* contents = engine.contentWidget();
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, contents, [this, contents] {
        contents->expandToDepth(0);
        FollowInContents(FBrowser->source());
    });
    const auto show = [this](const QUrl& url) { FBrowser->ShowPage(url); };
    // One click on an entry of the contents shows its topic.
    connect(contents, &QHelpContentWidget::linkActivated, this, show);
    connect(contents, &QTreeView::clicked, this, [this, &engine, show](const QModelIndex& entry) {
        if (QHelpContentItem* item = engine.contentModel()->contentItemAt(entry))
            show(item->url());
    });
    connect(FBrowser, &QTextBrowser::sourceChanged, this, &THelpWindow::FollowInContents);
    connect(engine.indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [show](const QHelpLink& document, const QString&) { show(document.url); });
    connect(engine.indexWidget(), &QHelpIndexWidget::documentsActivated, this, &THelpWindow::ChooseTopic);
    connect(indexFilter, &QLineEdit::textChanged, engine.indexWidget(),
            [&engine](const QString& text) { engine.indexWidget()->filterIndices(text); });
    connect(indexFilter, &QLineEdit::returnPressed, engine.indexWidget(),
            &QHelpIndexWidget::activateCurrentItem);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, show);
    search->reindexDocumentation();

    resize(760, 540);
    if (!FPlacementKey.isEmpty()) {
        const TRegIniFile registry(FPlacementKey);
        const QRect kept(registry.ReadInteger(PlacementSection, QStringLiteral("Left"), 0),
                         registry.ReadInteger(PlacementSection, QStringLiteral("Top"), 0),
                         registry.ReadInteger(PlacementSection, QStringLiteral("Width"), 0),
                         registry.ReadInteger(PlacementSection, QStringLiteral("Height"), 0));
        // The frame's place and the size inside it; a place off every screen of today is left
        // to the window manager.
        const QScreen* screen = QGuiApplication::screenAt(kept.center());
        if (screen && kept.width() >= 200 && kept.height() >= 150) {
            const QRect onScreen = kept.intersected(screen->availableVirtualGeometry());
            resize(onScreen.size());
            move(onScreen.topLeft());
        }
    }
}

THelpWindow::~THelpWindow()
{
    if (!FPlacementKey.isEmpty()) {
        const QRect place(pos(), size());
        TRegIniFile registry(FPlacementKey);
        registry.WriteInteger(PlacementSection, QStringLiteral("Left"), place.x());
        registry.WriteInteger(PlacementSection, QStringLiteral("Top"), place.y());
        registry.WriteInteger(PlacementSection, QStringLiteral("Width"), place.width());
        registry.WriteInteger(PlacementSection, QStringLiteral("Height"), place.height());
    }
    // The engine's widgets go before the engine they show.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

QHelpContentWidget* THelpWindow::Contents() const
{
    return FFile->Engine().contentWidget();
}

void THelpWindow::ShowTopic(const QString& page, const QString& anchor)
{
    const QString shown = page.isEmpty() ? FFile->DefaultPage() : page;
    if (!FBrowser->ShowPage(FFile->PageUrl(shown, anchor)))
        FBrowser->setHtml(QStringLiteral("<p>The topic %1 is not in this help file.</p>").arg(shown.toHtmlEscaped()));
}

QModelIndex THelpWindow::ContentsEntry(const QUrl& url) const
{
    const QHelpContentModel& model = *FFile->Engine().contentModel();
    const QModelIndex exact = FindEntry(model, QModelIndex(), url, false);
    return exact.isValid() ? exact : FindEntry(model, QModelIndex(), url, true);
}

void THelpWindow::FollowInContents(const QUrl& url)
{
    QHelpContentWidget* contents = Contents();
    const QHelpContentModel& model = *FFile->Engine().contentModel();
    // An entry chosen in the contents stays current while its page is shown.
    if (QHelpContentItem* current = model.contentItemAt(contents->currentIndex());
        current && current->url() == url)
        return;
    const QModelIndex entry = ContentsEntry(url);
    if (!entry.isValid())
        return;
    contents->setCurrentIndex(entry);
    contents->scrollTo(entry);
}

QString THelpWindow::ContentsPath(const QModelIndex& entry) const
{
    QStringList titles;
    for (QModelIndex at = entry; at.isValid(); at = at.parent())
        if (at.parent().isValid() || titles.isEmpty())
            titles.prepend(at.data().toString());
    return titles.join(QStringLiteral(" > "));
}

void THelpWindow::ChooseTopic(const QList<QHelpLink>& topics, const QString& word)
{
    QDialog chooser(this);
    chooser.setObjectName(QStringLiteral("TopicChooser"));
    chooser.setWindowTitle(QStringLiteral("Topics Found"));
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(new QLabel(QStringLiteral("Choose a topic for \"%1\":").arg(word)));
    auto* list = new QListWidget(&chooser);
    for (const QHelpLink& topic : topics) {
        const QModelIndex entry = ContentsEntry(topic.url);
        auto* item = new QListWidgetItem(entry.isValid() ? ContentsPath(entry) : topic.title, list);
        item->setData(Qt::UserRole, topic.url);
    }
    list->setCurrentRow(0);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width());
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &chooser);
    buttons->addButton(QStringLiteral("Display"), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, &chooser, &QDialog::accept);
    if (chooser.exec() == QDialog::Accepted && list->currentItem())
        FBrowser->ShowPage(list->currentItem()->data(Qt::UserRole).toUrl());
}
