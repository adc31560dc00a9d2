#pragma once
// Drawn stand-ins for the icons: a gilded frame, a haloed figure and the commemoration's name.
#include <QImage>
#include <QString>

namespace contentsrc {

constexpr int kIconHeight = 280;

// Width between 196 and 219 pixels, fixed for each key.
int IconWidth(unsigned key);

QImage PaintIcon(unsigned key, const QString& caption);

// The caption of an icon from a commemoration's title: capitals, at most 121 characters
// (cut at a word boundary).
QString IconCaption(const QString& title);

} // namespace contentsrc
