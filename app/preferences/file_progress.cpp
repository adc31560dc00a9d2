#include "file_progress.h"

#include <QProgressDialog>

#include <algorithm>

namespace {

constexpr int Steps = 1000;

} // namespace

TFileProgress::TFileProgress(QWidget* owner, const QString& doing, const QString& fileName)
    : FOwner(owner), FLabel(QStringLiteral("%1 \"%2\"...").arg(doing, fileName))
{
}

TFileProgress::~TFileProgress() = default;

bool TFileProgress::operator()(qint64 done, qint64 total)
{
    if (total < LargeFileBytes)
        return true;
    if (!FDialog) {
        FDialog = std::make_unique<QProgressDialog>(FLabel, QStringLiteral("Cancel"), 0, Steps, FOwner);
        FDialog->setWindowTitle(QStringLiteral("Selvarion"));
        FDialog->setWindowModality(Qt::ApplicationModal);
        FDialog->setMinimumDuration(0);
        FDialog->setAutoClose(false);
        FDialog->setAutoReset(false);
        FDialog->setValue(0);
        FDialog->show();
    }
    // A modal progress dialog shown lets the windows paint as it takes its new value.
    FDialog->setValue(int(std::min(done, total) * Steps / total));
    return !FDialog->wasCanceled();
}
