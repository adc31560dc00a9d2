#pragma once
// The program's registry: one tree of keys kept in a single store file, read and
// written through an INI-style wrapper (a section is a subkey of the opened key, an
// entry a named string value).
//
// Store file: $SELVARION_CONFIG_DIR/registry.ini when that environment variable is set
// (tests point it at a temporary folder), else <generic config folder>/Selvarion/registry.ini.
// The file is re-read each time a TRegIniFile is created, so every registry object sees
// what the others wrote before it was opened.
//
// Names of keys, sections and values compare without regard to case (the case first
// written is kept). A section is written as one key name taken literally: it may hold "/",
// "\", brackets or "=" and never nests. Key paths (the constructor, OpenKey, KeyExists) are
// split on "\"; a path starting with "\" starts at the root, any other path at the current
// key (OpenKey, KeyExists). Where an existing key is looked up (paths, and section names with
// "\" that name no subkey of their own), a "\" may also lead through existing subkeys, the
// longest existing name first: so from the settings key, the section
// "InstalledFiles\My \ Version" finds the record "My \ Version" of the key InstalledFiles.
//
// Every value is a string: integers as decimal text, booleans as "0"/"1". A missing value
// or one that does not parse reads as the caller's default.
//
// Writing: with lazy writing on (the default) changes are kept and written when the object
// is destroyed or UpdateFile is called; with it off every change is written at once. A
// write merges the changes into the file's current contents and replaces the file
// atomically, holding the lock file "registry.ini.lock" beside it meanwhile, so that
// programs writing at the same time lose nothing of each other's.
//
// Trouble with the store goes to the error handler (default: qWarning), each kind once per
// run; the program goes on with what it has in memory:
//  - a store that cannot be written;
//  - a store that exists but cannot be read: it is never replaced;
//  - a damaged store (lines that do not parse, keys nested deeper than MaxKeyDepth, names
//    longer than MaxNameLength): it is read as far as it can be, and before it is first
//    rewritten a copy of it is kept as "registry.ini.damaged" (".damaged.2" and ".damaged.3"
//    when an older, different copy is there; beyond three the oldest copy gives way);
//    without that copy it is not rewritten;
//  - a value or key whose path or name is beyond those limits: it is not written.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class TRegIniFile {
public:
    // Limits of what the store keeps; no setting comes near them.
    static constexpr int MaxKeyDepth = 32;       // key names in a path from the root
    static constexpr int MaxNameLength = 1024;   // characters of a key or value name

    // Opens (creating) the key at `keyPath`, taken from the root.
    explicit TRegIniFile(const QString& keyPath);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // Makes `path` the current key (see above for relative and rooted paths). Returns false,
    // keeping the current key, when the key is missing and `canCreate` is false (or it is
    // beyond the store's limits).
    bool OpenKey(const QString& path, bool canCreate);
    bool KeyExists(const QString& path) const;
    QString CurrentPath() const;   // "Software\Tavrendel\Selvarion"

    // Section "" is the current key itself.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    void WriteString(const QString& section, const QString& ident, const QString& value);
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    void WriteInteger(const QString& section, const QString& ident, int value);
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    void WriteBool(const QString& section, const QString& ident, bool value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& ident) const;
    QStringList ReadSection(const QString& section) const;   // value names, in written order
    QStringList ReadSections() const;                         // subkeys of the current key
    void DeleteKey(const QString& section, const QString& ident);   // one value
    void EraseSection(const QString& section);                      // the subkey and all below it
    // Moves section `from` with all its values and subkeys to the new name `to`; only when
    // `from` exists, no section `to` exists (so a change of letter case only moves nothing)
    // and the moved keys stay within the store's limits.
    bool MoveSection(const QString& from, const QString& to);

    bool LazyWrite() const;
    void SetLazyWrite(bool lazy);   // switching it off writes what is pending
    void UpdateFile();              // writes pending changes now

    // Where the store lives (see above).
    static QString StoreFileName();
    // Receives the reports of trouble with the store (see above); setting a handler (or
    // nullptr for the default) re-arms them.
    static void SetStoreErrorHandler(std::function<void(const QString&)> handler);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// StrToIntDef: decimal text with an optional sign and leading blanks, else `def`.
int StrToIntDef(const QString& text, int def);
