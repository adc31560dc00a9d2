#pragma once
// Paths shortened to fit a width, as the install page shows the chosen file:
// /home/ann/Bibles/kjv.txt shrinks through /.../ann/Bibles/kjv.txt, /.../Bibles/kjv.txt,
// /.../kjv.txt and .../kjv.txt to kjv.txt, stopping at the first that fits.
#include <QString>

class QFontMetrics;

QString ShortenPathToWidth(const QString& fileName, const QFontMetrics& metrics, int maxWidth);
// One step of that shrinking on a folder with its trailing "/": its first folder after a
// leading ".../" gives way to ".../"; "/" and ".../" become empty.
void DropFirstFolder(QString& folder);
