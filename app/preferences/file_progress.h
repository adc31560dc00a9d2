#pragma once
// The progress of reading or copying a large file, in a dialog with a Cancel button: the
// windows keep painting meanwhile, and nothing but Cancel takes a click. A small file is done
// before anyone would notice, without a dialog.
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class TFileProgress {
public:
    // Files of this many bytes or more show the dialog.
    static constexpr qint64 LargeFileBytes = 8 << 20;

    // The dialog says what is `doing` to which file: Copying "kjv.txt"...
    TFileProgress(QWidget* owner, const QString& doing, const QString& fileName);
    ~TFileProgress();
    TFileProgress(const TFileProgress&) = delete;
    TFileProgress& operator=(const TFileProgress&) = delete;

    // `done` bytes of `total` are done; false once Cancel was pressed.
    bool operator()(qint64 done, qint64 total);

private:
    QWidget* FOwner;
    QString FLabel;
    std::unique_ptr<QProgressDialog> FDialog;
};
