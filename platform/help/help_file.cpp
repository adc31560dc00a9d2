#include "help_file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QSet>
#include <QStandardPaths>

#include "message_box.h"

namespace {

QString CannotShow(const QString& why, const QString& path)
{
    return QStringLiteral("Selvarion's help cannot be shown because %1.\n\nIt was looked for at:\n%2").arg(why, path);
}

// The help engine keeps its index of the file in a folder of its own: a temporary folder,
// or one in the user's cache folder when no temporary folder can be made.
std::unique_ptr<QTemporaryDir> CollectionFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    if (folder->isValid())
        return folder;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return nullptr;
    folder = std::make_unique<QTemporaryDir>(cache + QStringLiteral("/help-XXXXXX"));
    return folder->isValid() ? std::move(folder) : nullptr;
}

} // namespace

THelpFile::THelpFile() = default;
THelpFile::~THelpFile() = default;

bool THelpFile::Open(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = CannotShow(QStringLiteral("its help file is missing"), path);
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        error = CannotShow(QStringLiteral("its help file cannot be read"), path);
        return false;
    }
    FCollectionDir = CollectionFolder();
    if (!FCollectionDir) {
        error = QStringLiteral("Selvarion's help cannot be shown because no folder can be written to keep the "
                               "help file's index in: neither the temporary folder %1 nor the cache folder %2.")
                    .arg(QDir::tempPath(), QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
        return false;
    }
    FEngine = std::make_unique<QHelpEngine>(FCollectionDir->filePath(QStringLiteral("help.qhc")));
    FEngine->setReadOnly(false);
    FNamespace = QHelpEngineCore::namespaceName(path);
    if (!FEngine->setupData() || FNamespace.isEmpty() || !FEngine->registerDocumentation(path)) {
        error = CannotShow(QStringLiteral("its help file is damaged"), path);
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

std::unique_ptr<THelpFile> OpenHelpFile(const QString& path)
{
    auto file = std::make_unique<THelpFile>();
    QString error;
    if (file->Open(path, error))
        return file;
    ReportHelpTrouble(error);
    return nullptr;
}

void ReportHelpTrouble(const QString& message)
{
    static QSet<QString> given;
    if (given.contains(message))
        return;
    given.insert(message);
    QWidget* over = QApplication::activeModalWidget();
    CenteredMessageBox(over ? over : QApplication::activeWindow(), message, QMessageBox::Ok, QMessageBox::Warning);
}

QString MissingTopicMessage(const QString& path, const QString& page)
{
    return CannotShow(QStringLiteral("its help file has no topic %1: the file is damaged or belongs to another "
                                     "version of Selvarion")
                          .arg(page),
                      path);
}
