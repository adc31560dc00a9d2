#include "live_controls.h"

#include <QAction>
#include <QCheckBox>

#include "options_dialog.h"
#include "selvarion_main_form.h"

bool TLiveControls::OldCalendar() const
{
    return FMainForm.MOldCalendar->isChecked();
}

bool TLiveControls::UseLukanJump() const
{
    return FOptions.UseLukanJump->isChecked();
}

bool TLiveControls::ShowVerseNumbers() const
{
    return FOptions.ShowVerseNumbers->isChecked();
}
