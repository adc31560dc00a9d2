#include "short_path.h"

#include <QFontMetrics>

namespace {
const QString Ellipsis = QStringLiteral(".../");
} // namespace

void DropFirstFolder(QString& folder)
{
    if (folder == QLatin1String("/")) {
        folder.clear();
        return;
    }
    const bool rooted = folder.startsWith(QLatin1Char('/'));
    if (rooted)
        folder.remove(0, 1);
    if (folder.startsWith(Ellipsis))
        folder.remove(0, Ellipsis.size());
    const qsizetype slash = folder.indexOf(QLatin1Char('/'));
    folder = slash < 0 ? QString() : Ellipsis + folder.mid(slash + 1);
    if (rooted)
        folder.prepend(QLatin1Char('/'));
}

QString ShortenPathToWidth(const QString& fileName, const QFontMetrics& metrics, int maxWidth)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    QString folder = fileName.left(slash + 1);
    const QString name = fileName.mid(slash + 1);
    QString result = fileName;
    while (!folder.isEmpty() && metrics.horizontalAdvance(result) > maxWidth) {
        if (folder == QLatin1Char('/') + Ellipsis)
            folder = Ellipsis;
        else
            DropFirstFolder(folder);
        result = folder + name;
    }
    return result;
}
