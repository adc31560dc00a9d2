#include "help_address.h"

THelpAddress ParseHelpAddress(const QString& address)
{
    THelpAddress parts;
    QString rest = address;
    const qsizetype topic = rest.indexOf(QLatin1String("::"));
    // The window type follows the last ">" of the topic (a file name cannot hold one).
    const qsizetype window = rest.lastIndexOf(QLatin1Char('>'));
    if (window >= 0 && window > topic) {
        parts.windowType = rest.mid(window + 1);
        rest.truncate(window);
    }
    if (topic < 0) {
        parts.file = rest;
        return parts;
    }
    parts.file = rest.left(topic);
    rest = rest.mid(topic + 2);
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        parts.anchor = rest.mid(hash + 1);
        rest.truncate(hash);
    }
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    parts.page = rest;
    return parts;
}
