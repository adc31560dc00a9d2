#include "standard_colors.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>

namespace {

struct TNamedColor {
    const char* name;
    QRgb rgb;
};

constexpr TNamedColor StandardColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000}, {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080}, {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},    {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF}, {"White", 0xFFFFFF}};

} // namespace

void AddStandardColors(QComboBox& box)
{
    for (const TNamedColor& c : StandardColors) {
        QPixmap swatch(12, 12);
        swatch.fill(QColor(c.rgb));
        QPainter(&swatch).drawRect(0, 0, 11, 11);
        box.addItem(QIcon(swatch), QLatin1String(c.name), QColor(c.rgb));
    }
}
