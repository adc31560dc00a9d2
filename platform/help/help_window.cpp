#include "help_window.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>

#include "help_file.h"

THelpBrowser::THelpBrowser(THelpFile& file, QWidget* parent) : QTextBrowser(parent), FFile(file)
{
    // The browser itself would hand every address that is not a local file to the desktop,
    // the help file's own pages included.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("qthelp"))
            setSource(url);
        else
            QDesktopServices::openUrl(url);
    });
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return FFile.Engine().fileData(name);
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(std::unique_ptr<THelpFile> file)
    : QWidget(nullptr, Qt::Window), FFile(std::move(file))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
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

    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, engine.contentWidget(),
            [&engine] { engine.contentWidget()->expandToDepth(0); });
    const auto show = [this](const QUrl& url) { FBrowser->setSource(url); };
    connect(engine.contentWidget(), &QHelpContentWidget::linkActivated, this, show);
    connect(engine.indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [show](const QHelpLink& document, const QString&) { show(document.url); });
    connect(engine.indexWidget(), &QHelpIndexWidget::documentsActivated, this,
            [show](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty())
                    show(documents.first().url);
            });
    connect(indexFilter, &QLineEdit::textChanged, engine.indexWidget(),
            [&engine](const QString& text) { engine.indexWidget()->filterIndices(text); });
    connect(indexFilter, &QLineEdit::returnPressed, engine.indexWidget(),
            &QHelpIndexWidget::activateCurrentItem);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, show);
    search->reindexDocumentation();
    resize(760, 540);
}

THelpWindow::~THelpWindow()
{
    // The engine's widgets go before the engine they show.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void THelpWindow::ShowTopic(const QString& page, const QString& anchor)
{
    const QString shown = page.isEmpty() ? FFile->DefaultPage() : page;
    const QUrl url = FFile->PageUrl(shown, anchor);
    if (url.isValid())
        FBrowser->setSource(url);
    else
        FBrowser->setHtml(QStringLiteral("<p>The topic %1 is not in this help file.</p>").arg(shown.toHtmlEscaped()));
}
