#include "font_aliases.h"

#include <QFont>
#include <QFontDatabase>

void InstallFontAliases()
{
    static const char* const aliases[][2] = {{"Times New Roman", "Liberation Serif"},
                                             {"Arial", "Liberation Sans"},
                                             {"Courier New", "Liberation Mono"}};
    for (const auto& [family, standIn] : aliases)
        if (!QFontDatabase::hasFamily(QLatin1String(family)) && QFontDatabase::hasFamily(QLatin1String(standIn)))
            QFont::insertSubstitution(QLatin1String(family), QLatin1String(standIn));
}
