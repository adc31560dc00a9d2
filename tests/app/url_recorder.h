#pragma once
// Stands in for the desktop: records the addresses the program asks it to open. Give it a
// scheme with QDesktopServices::setUrlHandler(scheme, &recorder, "Open").
#include <QList>
#include <QObject>
#include <QUrl>

class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};
