#pragma once
// The live settings as the calendar engine reads them: the main window's calendar menu
// item and the Preferences dialog's check boxes, asked at the moment of use.
#include "live_settings.h"

class TOptionsDialog;
class TSelvarionMainForm;

class TLiveControls : public ILiveSettings {
public:
    TLiveControls(const TSelvarionMainForm& mainForm, const TOptionsDialog& options)
        : FMainForm(mainForm), FOptions(options) {}
    bool OldCalendar() const override;
    bool UseLukanJump() const override;
    bool ShowVerseNumbers() const override;

private:
    const TSelvarionMainForm& FMainForm;
    const TOptionsDialog& FOptions;
};
