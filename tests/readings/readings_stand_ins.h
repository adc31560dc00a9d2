#pragma once
// Stand-ins for the live settings, the Find Bible Verses dialog's controls and the
// message box, as the readings tests and benchmarks use them.
#include "bible_reader.h"
#include "live_settings.h"
#include "message_sink.h"

#include <string>
#include <vector>

struct ReadingsSettings : ILiveSettings {
    bool oldCalendar = false;
    bool useLukanJump = true;
    bool showVerseNumbers = false;
    bool OldCalendar() const override { return oldCalendar; }
    bool UseLukanJump() const override { return useLukanJump; }
    bool ShowVerseNumbers() const override { return showVerseNumbers; }
};

struct ReadingsControls : IBibleSearchControls {
    std::string programDir = std::string(SELV_PROGRAM_DIR) + "/";
    std::string appDataDir = "/nonexistent-selvarion-data/";
    int SearchGroupItemIndex() const override { return 1; }
    std::string OldTText() const override { return {}; }
    std::string NewTText() const override { return {}; }
    std::string ApocText() const override { return {}; }
    bool ChapterHeadingsChecked() const override { return false; }
    bool VerseNumbersChecked() const override { return false; }
    std::string AppDataDir() const override { return appDataDir; }
    std::string ProgramDir() const override { return programDir; }
    void ShowBookList(int) override {}
};

struct KeptMessages : IMessageSink {
    std::vector<std::string> texts;
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
};
