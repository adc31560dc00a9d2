#pragma once
// Stand-ins for the Find Bible Verses dialog and the message box.
#include <filesystem>
#include <string>
#include <vector>

#include "bible_reader.h"

struct FakeSearchControls : IBibleSearchControls {
    int itemIndex = 1;
    std::string oldT = "Genesis", newT = "St Matthew", apoc = "1 Esdras";
    bool headings = false, verseNumbers = false;
    std::string appDataDir, programDir;
    int shownList = -1;

    int SearchGroupItemIndex() const override { return itemIndex; }
    std::string OldTText() const override { return oldT; }
    std::string NewTText() const override { return newT; }
    std::string ApocText() const override { return apoc; }
    bool ChapterHeadingsChecked() const override { return headings; }
    bool VerseNumbersChecked() const override { return verseNumbers; }
    std::string AppDataDir() const override { return appDataDir; }
    std::string ProgramDir() const override { return programDir; }
    void ShowBookList(int part) override { shownList = part; }
};

struct RecordingSink : IMessageSink {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    // The "Error nnn" code of each message, in order.
    std::vector<std::string> Codes() const {
        std::vector<std::string> codes;
        for (const auto& m : messages) codes.push_back(m.substr(6, 3));
        return codes;
    }
};

// A folder of the temporary folder for the files one test writes, removed with it.
struct ScratchFolder {
    std::filesystem::path path;

    explicit ScratchFolder(const std::string& name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder as the reader's folders are given: with a closing "/".
    std::string Dir() const { return path.string() + "/"; }
};

// A reader whose program folder and data folder are given folders.
struct ReaderRig {
    FakeSearchControls controls;
    RecordingSink sink;
    TBibleReader reader{controls, sink};

    ReaderRig(const std::string& programDir, const std::string& appDataDir) {
        controls.programDir = programDir;
        controls.appDataDir = appDataDir;
    }
    // Starts a search of the dialog in `part`, with that part's file mapped; false when nothing mapped.
    bool SearchIn(int part) {
        controls.itemIndex = part;
        reader.FSearchActive = true;
        reader.SelectTestament();
        return reader.FMappedText != nullptr;
    }
    // Maps `file` as the given part, the way the dialog and the readings builder do.
    bool Map(const std::string& file, int part) {
        reader.FMappedTestament = part;
        return reader.MapBibleFile(file) != nullptr;
    }
};

inline const std::string kFixtureDir = std::string(SELV_SOURCE_DIR) + "/tests/bible/fixtures/";
