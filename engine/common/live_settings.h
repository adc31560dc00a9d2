#pragma once
// The live settings that engine routines read at the moment of use: the checked
// state of the main window's calendar menu item and the Preferences dialog's check boxes.
// The program answers from its controls; tests answer from fields they flip between calls.

class ILiveSettings {
public:
    virtual ~ILiveSettings() = default;
    virtual bool OldCalendar() const = 0;        // MOldCalendar.Checked
    virtual bool UseLukanJump() const = 0;       // TOptionsDialog::UseLukanJump
    virtual bool ShowVerseNumbers() const = 0;   // TOptionsDialog::ShowVerseNumbers
};
