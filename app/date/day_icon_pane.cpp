// The icon column of the main window: the Select Date window chooses the day's icon, loads
// it from the main or the supplemental icon library and sizes the column for the screen.
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <utility>

#include "content_api.h"
#include "date_box.h"
#include "day_icon_keys.h"
#include "day_page_names.h"
#include "jpeg_image.h"
#include "message_box.h"
#include "rz_panel.h"
#include "selvarion_main_form.h"
#include "supplemental_icons.h"

namespace {

constexpr int CaptionBufferSize = 256;

struct TIconData {
    QByteArray jpeg;
    QString caption;
};

// The image bytes (as long as their resource) and the caption of `key` in `module`.
TIconData ReadIcon(rsrc::HMODULE module, rsrc::HRSRC resource, const void* bytes, uint16_t key)
{
    TIconData icon;
    if (resource && bytes)
        icon.jpeg = QByteArray(static_cast<const char*>(bytes),
                               static_cast<qsizetype>(rsrc::SizeofResource(module, resource)));
    char caption[CaptionBufferSize];
    if (rsrc::LoadString(module, key, caption, CaptionBufferSize) > 0)
        icon.caption = QString::fromUtf8(caption);
    return icon;
}

} // namespace

void TDateBox::ShowDayIcon(int16_t& Key, bool NextIcon, bool Force)
{
    auto key = static_cast<uint16_t>(Key);
    if (!NextIcon) {
        key = GetIconKey(key);
        if (FIconFound) {
            ShowNextIconControls(SupplementalLibraryPresent());
        } else if (SupplementalLibraryPresent()) {
            key = static_cast<uint16_t>(key + FirstSupplementalKey);
            ShowNextIconControls(FindSupplementalIcon(key));
        } else {
            key = GenericIconKey(key);
        }
    } else {
        const TIconLookup lookup{[this](uint16_t k) { return FindSupplementalIcon(k); },
                                 [this](uint16_t dayKey) { return GetIconKey(dayKey); }};
        key = NextIconKey(key, ContentKeyOf(DayNameInput()), FIconFound, lookup);
    }
    Key = static_cast<int16_t>(key);
    LoadDayIcon(key, Force);
}

void TDateBox::LoadDayIcon(uint16_t key, bool force)
{
    if (key == static_cast<uint16_t>(FCurrentIconKey) && !force)
        return;
    TIconData icon;
    if (key < FirstSupplementalKey) {
        icon = ReadIcon(GetInstance(), FindJpgResource(key), LoadJpgFromResource(key), key);
    } else {
        try {
            const TSupplementalLibrary library("Unable to Load DLL");
            icon = ReadIcon(library.Instance(), library.Find(key), library.Load(key), key);
        } catch (const EDLLLoadError& e) {
            CenteredMessageBox(this, QString::fromUtf8(e.what()), QMessageBox::Ok,
                               QMessageBox::Information);
        }
    }
    FMainForm.CenterPanel->SetCaption(icon.caption);
    QImage picture = DecodeJpeg(icon.jpeg);
    if (picture.isNull())
        FMainForm.MainImage->clear();
    else
        FMainForm.MainImage->setPixmap(QPixmap::fromImage(std::move(picture)));
    AdjustIconSize();
    FCurrentIconKey = static_cast<int16_t>(key);
}

bool TDateBox::FindSupplementalIcon(uint16_t key)
{
    if (!SupplementalLibraryPresent())
        return false;
    try {
        const TSupplementalLibrary library("Unable to Load libselvxtra.so");
        return library.Find(static_cast<uint16_t>(key + FirstSupplementalKey)) != nullptr;
    } catch (const EDLLLoadError& e) {
        CenteredMessageBox(this, QString::fromUtf8(e.what()), QMessageBox::Ok,
                           QMessageBox::Information);
        return false;
    }
}

void TDateBox::ShowNextIconControls(bool shown)
{
    FMainForm.ShowNextIcon->setVisible(shown);
    FMainForm.MShowNextIcon->setEnabled(shown);
    FMainForm.BottomPanel->setFixedHeight(shown ? FMainForm.ShowNextIcon->height() : 0);
}

void TDateBox::AdjustIconSize()
{
    const QPixmap picture = FMainForm.MainImage->pixmap();
    // An icon that cannot be read leaves the column at its width, with its caption alone.
    if (picture.isNull()) {
        FMainForm.SetIconSize(QSize(FMainForm.IconColumnWidth(), 0));
        return;
    }
    const TIconScale scale = IconScaleFor(screen()->size().height());
    FMainForm.SetIconSize(QSize(ScaledSide(picture.width(), scale.width),
                                ScaledSide(picture.height(), scale.height)));
}
