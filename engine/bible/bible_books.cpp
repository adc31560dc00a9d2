#include "bible_reader.h"

const std::array<const char*, 39> BibleBookNamesOldT = {
    "Genesis", "Exodus", "Leviticus", "Numbers", "Deuteronomy", "Joshua", "Judges", "Ruth",
    "1 Samuel", "2 Samuel", "1 Kings", "2 Kings", "1 Chronicles", "2 Chronicles", "Ezra",
    "Nehemiah", "Esther", "Job", "Psalms", "Proverbs", "Ecclesiastes", "Song of Solomon",
    "Isaiah", "Jeremiah", "Lamentations", "Ezekiel", "Daniel", "Hosea", "Joel", "Amos",
    "Obadiah", "Jonah", "Micah", "Nahum", "Habakkuk", "Zephaniah", "Haggai", "Zechariah",
    "Malachi"};
const std::array<const char*, 39> BibleChapterCountsOldT = {
    "50", "40", "27", "36", "34", "24", "21", "4",  "31", "24", "22", "25", "29",
    "36", "10", "13", "10", "42", "150", "31", "12", "8", "66", "52", "5",  "48",
    "14", "14", "3",  "9",  "1",  "4",  "7",  "3",  "3",  "3",  "2",  "14", "4"};

const std::array<const char*, 27> BibleBookNamesNewT = {
    "St Matthew", "St Mark", "St Luke", "St John", "Acts of the Apostles", "Romans",
    "1 Corinthians", "2 Corinthians", "Galatians", "Ephesians", "Philippians", "Colossians",
    "1 Thessalonians", "2 Thessalonians", "1 Timothy", "2 Timothy", "Titus", "Philemon",
    "Hebrews", "James", "1 Peter", "2 Peter", "1 John", "2 John", "3 John", "Jude",
    "Revelation"};
const std::array<const char*, 27> BibleChapterCountsNewT = {
    "28", "16", "24", "21", "28", "16", "16", "13", "6", "6", "4", "4", "5", "3",
    "6",  "4",  "3",  "1",  "13", "5",  "5",  "3",  "5", "1", "1", "1", "22"};

const std::array<const char*, 20> BibleBookNamesApoc = {
    "Baruch", "Ecclesiasticus", "1 Esdras", "2 Esdras", "Judith", "Laodiceans", "1 Maccabees",
    "2 Maccabees", "3 Maccabees", "4 Maccabees", "Prayer of Manasseh", "Psalm 151", "Tobit",
    "Wisdom of Solomon", "Susanna", "Bel and the Dragon", "Prayer of Azariah",
    "Psalm of Solomon", "Odes", "Additions to Esther"};
const std::array<const char*, 20> BibleChapterCountsApoc = {
    "6", "51", "9", "16", "16", "1", "16", "15", "7", "18",
    "1", "1",  "14", "19", "1", "1", "1", "18", "14", "16"};

const std::array<const char*, 15> BuiltInApocBookNames = {
    "1 Esdras", "2 Esdras", "Additions to Esther", "1 Maccabees", "2 Maccabees", "Tobit",
    "Judith", "Wisdom of Solomon", "Ecclesiasticus", "Baruch", "Epistle of Jeremiah",
    "Susanna", "Prayer of Azariah", "Prayer of Manasseh", "Bel and the Dragon"};
const std::array<const char*, 15> ApocVerseMarkerPrefixes = {
    "1Esdr ", "2Esdr ", "AddEsth ", "1Mac ", "2Mac ", "Tob ",    "Jdt ", "Wis ",
    "Sir ",   "Bar ",   "EpJer ",   "Sus ",  "PrAzar ", "PrMan ", "Bel "};
