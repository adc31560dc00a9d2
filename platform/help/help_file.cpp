#include "help_file.h"

#include <QFileInfo>
#include <QHelpEngine>

THelpFile::THelpFile() = default;
THelpFile::~THelpFile() = default;

bool THelpFile::Open(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        error = QStringLiteral("The help file %1 is missing or cannot be read.").arg(path);
        return false;
    }
    if (!FCollectionDir.isValid()) {
        error = QStringLiteral("No temporary folder is available for reading the help file.");
        return false;
    }
    FEngine = std::make_unique<QHelpEngine>(FCollectionDir.filePath(QStringLiteral("help.qhc")));
    FEngine->setReadOnly(false);
    FNamespace = QHelpEngineCore::namespaceName(path);
    if (!FEngine->setupData() || FNamespace.isEmpty() || !FEngine->registerDocumentation(path)) {
        error = QStringLiteral("The help file %1 cannot be read.").arg(path);
        FEngine.reset();
        return false;
    }
    // Page addresses carry the file's virtual folder: "qthelp://namespace/folder/page".
    for (const QUrl& url : FEngine->files(FNamespace, QString())) {
        const QString inFolder = url.path().section(QLatin1Char('/'), 2);
        FPages.insert(inFolder, url);
    }
    FPath = path;
    FModified = info.lastModified();
    FDefaultPage = QHelpEngineCore::metaData(path, QStringLiteral("defaultTopic")).toString();
    FTitle = QHelpEngineCore::metaData(path, QStringLiteral("title")).toString();
    return true;
}

bool THelpFile::Reads(const QString& path) const
{
    const QFileInfo info(path);
    return path == FPath && info.exists() && info.lastModified() == FModified;
}

QStringList THelpFile::Pages() const
{
    QStringList pages = FPages.keys();
    pages.sort();
    return pages;
}

QUrl THelpFile::PageUrl(const QString& page, const QString& anchor) const
{
    QUrl url = FPages.value(page);
    if (!url.isValid())
        return {};
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

QString THelpFile::PageOf(const QUrl& url) const
{
    QUrl bare = url;
    bare.setFragment(QString());
    const QString page = bare.path().section(QLatin1Char('/'), 2);
    return FPages.value(page) == bare ? page : QString();
}

QByteArray THelpFile::PageData(const QString& page) const
{
    const QUrl url = FPages.value(page);
    return url.isValid() ? FEngine->fileData(url) : QByteArray();
}
