#pragma once
// The Bible text reader: turns a reference (book, start chapter:verse, end
// chapter:verse) into plain passage text, from the built-in files
// "OldTstmt.dat", "NewTstmt.dat", "Apoc.dat" (book and verse markers) or from an
// installed version (tab-separated lines: book code, chapter, verse, text).
// Texts are UTF-8 byte strings; all searches are byte-wise.
//
// Mapping protocol (one mapped file at a time):
//  - MapBibleFile releases the previous view before it maps the next one; it
//    returns the new base and also stores it in FMappedText. The caller then
//    sets FMappedTestament (0 Old Testament, 1 New Testament, 2 Apocrypha).
//    A view is a copy of the file read into memory: a file changed under the
//    program leaves it as it was read. The copies of the last files read are
//    kept while their files stay as they were.
//  - Between uses the New Testament readings file stays mapped:
//      FMappedText = MapBibleFile(FNewTReadingsFile); FMappedTestament = 1;
//  - Whoever maps another file (the readings page builder for an Old Testament
//    or Apocrypha reading, the Find Bible Verses dialog for a search) maps the
//    New Testament readings file back afterwards, as above; the dialog, ending
//    its use of the view, with MapNewTReadingsFile.
//  - Readings requests (FSearchActive clear) read the part named by
//    FMappedTestament; search requests (FSearchActive set) read the part chosen
//    in the dialog's SearchGroup.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "file_mapping.h"
#include "message_sink.h"

// What the reader reads from the Find Bible Verses dialog and the main window.
class IBibleSearchControls {
public:
    virtual ~IBibleSearchControls() = default;
    virtual int SearchGroupItemIndex() const = 0;   // SearchGroup.ItemIndex: 0 Old T., 1 New T., 2 Apocrypha
    virtual std::string OldTText() const = 0;       // OldT.Text (selected book name)
    virtual std::string NewTText() const = 0;       // NewT.Text
    virtual std::string ApocText() const = 0;       // Apoc.Text
    virtual bool ChapterHeadingsChecked() const = 0;  // ChapterHeadings.Checked
    virtual bool VerseNumbersChecked() const = 0;     // VerseNumbers.Checked
    virtual std::string AppDataDir() const = 0;     // TSelvarionMainForm.FAppDataDir, ends with '/'
    virtual std::string ProgramDir() const = 0;     // folder of the program file, ends with '/'
    // Makes exactly the book list of `part` (0 OldT, 1 NewT, 2 Apoc) visible.
    virtual void ShowBookList(int part) = 0;
};

// Book tables. Book numbers: Old Testament 1-39, New Testament 40-66,
// Apocrypha 67-86, in table order. Chapter counts are held as text.
extern const std::array<const char*, 39> BibleBookNamesOldT;
extern const std::array<const char*, 39> BibleChapterCountsOldT;
extern const std::array<const char*, 27> BibleBookNamesNewT;
extern const std::array<const char*, 27> BibleChapterCountsNewT;
extern const std::array<const char*, 20> BibleBookNamesApoc;
extern const std::array<const char*, 20> BibleChapterCountsApoc;
// The 15 books of the built-in Apocrypha file in file order (the names the
// dialog's Apoc list shows) and their verse-marker prefixes ("Sir ", ...).
extern const std::array<const char*, 15> BuiltInApocBookNames;
extern const std::array<const char*, 15> ApocVerseMarkerPrefixes;

inline constexpr const char* BuiltInOldTFile = "OldTstmt.dat";
inline constexpr const char* BuiltInNewTFile = "NewTstmt.dat";
inline constexpr const char* BuiltInApocFile = "Apoc.dat";

// The reader's messages: within one request of its callers (a page, a passage with the checks
// of its entries, a chapter:verse summary) only the first is shown, as a damaged file would
// otherwise bring one message for each of its lines. Outside a request each one is shown.
class TRequestMessages : public IMessageSink {
public:
    explicit TRequestMessages(IMessageSink& shown) : FShown(shown) {}
    void ShowMessage(const std::string& text) override;
    void BeginRequest();
    void EndRequest();

private:
    IMessageSink& FShown;
    int FDepth = 0;
    bool FShownInRequest = false;
};

class TBibleReader {
public:
    // One request of the reader's callers, for as long as it lives; requests may nest.
    class TRequest {
    public:
        explicit TRequest(TBibleReader& reader) : FMessages(reader.Messages) { FMessages.BeginRequest(); }
        ~TRequest() { FMessages.EndRequest(); }
        TRequest(const TRequest&) = delete;
        TRequest& operator=(const TRequest&) = delete;

    private:
        TRequestMessages& FMessages;
    };

    TBibleReader(IBibleSearchControls& controls, IMessageSink& messages);
    virtual ~TBibleReader() = default;
    TBibleReader(const TBibleReader&) = delete;
    TBibleReader& operator=(const TBibleReader&) = delete;

    // Reader state.
    const char* FMappedText = nullptr;   // base of the one mapped view, or nullptr
    uint32_t FMappedSize = 0;            // byte size of the mapped file
    int32_t FMappedTestament = 1;        // 0 Old Testament, 1 New Testament, 2 Apocrypha
    std::string FOldTReadingsFile = BuiltInOldTFile;
    std::string FNewTReadingsFile = BuiltInNewTFile;
    std::string FApocReadingsFile = BuiltInApocFile;
    std::string FOldTSearchFile = BuiltInOldTFile;
    std::string FNewTSearchFile = BuiltInNewTFile;
    std::string FApocSearchFile = BuiltInApocFile;
    bool FSearchActive = false;

    // Whether `fileName` lies in the program folder (".dat" names) rather than the data folder.
    static bool InProgramFolder(const std::string& fileName) { return fileName.ends_with(".dat"); }
    // Maps `fileName` (see InProgramFolder); returns
    // the view's base or nullptr and stores it in FMappedText. A name with a folder
    // in it is never read.
    const char* MapBibleFile(const std::string& fileName);
    // Whether `fileName` can be read: a plain file name of a regular file that is not
    // empty and, when this reader read it before, has not changed since. A changed file
    // gives false once, and is read as it now stands at its next use.
    bool BibleFileReadable(const std::string& fileName);
    // The program itself replaced or removed `fileName`: no change of it is reported.
    void ForgetFile(const std::string& fileName);
    // Back to the state between uses: FSearchActive cleared and the New Testament
    // readings file mapped as part 1.
    void MapNewTReadingsFile();

    // Boyer-Moore-Horspool, byte-wise: first occurrence of `key` that begins at
    // or after `start` and ends inside the text, or nullptr.
    static const char* FindInMappedText(const char* base, uint32_t size, uint32_t start,
                                        const std::string& key);
    static std::string LineBreaksToSpaces(const std::string& text);
    static std::string CollapseSpaces(const std::string& text);

    // Built-in files and the dialog's lists.
    uint16_t GetBookNumber() const;                            // 1-86, 0 when unknown
    std::string GetLastChapter(const std::string& bookName) const;   // "-1" when unknown
    // Range text "1-n" / "4-n" and n, or "Error" and -1.
    std::string GetVerseRange(int bookIndex, int chapter, int& lastVerse) const;
    std::string BuildChapterVerseSummary(int bookIndex, const std::string& bookName);
    void SelectTestament();
    // Passage text ("" or a report holding "Error:" on failure).
    std::string GetPassageText(int bookIndex, const std::string& startChapter,
                               const std::string& startVerse, const std::string& endChapter,
                               const std::string& endVerse, bool chapterHeadings,
                               bool verseNumbers);
    // Reference line, blank line, passage (headings and verse numbers from the dialog).
    std::string GetPassageWithReference(int bookIndex, const std::string& bookName,
                                        const std::string& startChapter,
                                        const std::string& startVerse,
                                        const std::string& endChapter,
                                        const std::string& endVerse);

    // Installed (tab-separated) files. A line key with a chapter of two or three digits
    // but no verse number gives true with the verse -1, after a message.
    bool GetChapterVerse(const char* key, int32_t& chapter, int32_t& verse);
    void GetFirstAndLastChapter(int bookNumber, std::string& firstChapter,
                                std::string& lastChapter);
    // Range text "f-l" and l, or "None" and -1.
    std::string UnboundGetLastVerse(int bookNumber, int chapter, int& lastVerse);
    std::string UnboundSearchForVerses(int book, const std::string& startChapter,
                                       const std::string& startVerse,
                                       const std::string& endChapter,
                                       const std::string& endVerse, bool chapterHeadings,
                                       bool verseNumbers);

protected:
    IBibleSearchControls& Controls;
    TRequestMessages Messages;

private:
    static constexpr uint32_t NotFound = UINT32_MAX;
    // Offset of `key` in the mapped text at or after `start` and ending before `limit`
    // (the end of the text by default), or NotFound.
    uint32_t Find(const std::string& key, uint32_t start, uint32_t limit = NotFound) const;
    // Find from the top of the text, for the keys looked for again and again (a book's marker,
    // a book's code): the answer is kept for each file mapped, known by its stamp.
    uint32_t FindFromTop(const std::string& key) const;
    // Gathers the first places of all book markers "Book nn" of the file in one pass, the first
    // time one is looked for: a readings page looks for many books of one file.
    void RememberBookMarkers() const;

    // Every place where a key of one family stands in a stretch of the mapped text, gathered
    // in one pass: the verse markers of a built-in book, or the chapter keys of an installed
    // book. A chapter:verse summary asks for every chapter, each time from the book's start.
    struct TKeyPositions {
        std::string family;             // every key gathered begins with it
        uint32_t from = 0, to = 0;      // keys at or after `from` that end by `to`
        std::unordered_map<std::string, std::vector<uint32_t>> at;   // ascending offsets
    };
    class TKeysInUse;
    // Find for a key of the family gathered in FKeys while a summary is built, else Find.
    uint32_t FindKey(const std::string& key, uint32_t start, uint32_t limit = NotFound) const;
    // Markers "ccc:vvv", or the Apocrypha book's prefix and "c:v", between the book's markers.
    TKeyPositions BuiltInMarkerPositions(bool apocrypha, int bookIndex, uint32_t bookStart,
                                         uint32_t bookEnd) const;
    // The chapter keys "<book code> TAB chapter TAB" of an installed book, as UnboundGetLastVerse
    // writes them, anywhere in the text.
    TKeyPositions ChapterKeyPositions(int bookNumber) const;
    // The decimal number written without leading zeros at `at` and ended by `end`, or -1.
    int NumberAt(uint32_t at, char end) const;
    // Start and end offsets of the markers "Book nn" and "Book nn+1"; false when either is missing.
    bool FindBuiltInBook(int bookIndex, uint32_t& start, uint32_t& end) const;
    // Verse marker of the built-in files: "ccc:vvv", or in the Apocrypha file the book's
    // prefix and "c:v"; empty when it cannot be written.
    static std::string BuiltInMarker(bool apocrypha, int bookIndex, int chapter, int verse);
    std::string ReadBuiltInPassage(int bookIndex, const std::string& startChapter,
                                   const std::string& startVerse, const std::string& endChapter,
                                   const std::string& endVerse, bool chapterHeadings,
                                   bool verseNumbers);
    // Installed files: offset just past the key of the line at `line`.
    uint32_t LineKeyEnd(uint32_t line) const;
    std::string ListText(int part) const;
    std::string SearchFile(int part) const;
    std::string ReadingsFile(int part) const;

    // Where `fileName` lies (see InProgramFolder).
    std::string BibleFilePath(const std::string& fileName) const;
    // The kept copy of the file at `path` while the file is as it was read, else nothing.
    std::shared_ptr<const selvmap::FileCopy> KeptCopy(const std::string& path);
    void Keep(std::shared_ptr<const selvmap::FileCopy> copy);

    // The copy that the view is, when MapBibleFile made the view; else nothing.
    const selvmap::FileCopy* MappedCopy() const;

    std::shared_ptr<const selvmap::FileCopy> FMappedCopy;   // what MapBibleFile read last
    std::vector<std::shared_ptr<const selvmap::FileCopy>> FKeptCopies;   // the last used last
    std::map<std::string, selvmap::FileStamp> FReadStamps;   // by path: the version last read
    mutable std::map<std::pair<selvmap::FileStamp, std::string>, uint32_t> FFirstOccurrences;
    const TKeyPositions* FKeys = nullptr;
};
