#pragma once
// Drawn stand-ins for the icons: a gilded frame, a haloed figure and the commemoration's name.
#include <QImage>
#include <QString>

namespace contentsrc {

// Every icon has the same size, so that the icon column keeps its width from day to day.
constexpr int kIconWidth = 208;
constexpr int kIconHeight = 280;

QImage PaintIcon(unsigned key, const QString& caption);

// The caption of an icon from a commemoration's title: capitals, at most 121 characters
// (cut at a word boundary).
QString IconCaption(const QString& title);

} // namespace contentsrc
