#include "reg_ini_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QUtf8StringView>
#include <QtDebug>
#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <variant>
#include <vector>

#include "file_mapping.h"
#include "whole_file_write.h"

namespace {

constexpr int MaxKeyDepth = TRegIniFile::MaxKeyDepth;
constexpr int MaxNameLength = TRegIniFile::MaxNameLength;
// How long a write waits for another program's write to end, trying every few milliseconds.
constexpr int LockWaitMs = 10000;
constexpr int LockRetryMs = 5;
// Copies of damaged stores kept beside the store: registry.ini.damaged, .damaged.2, ...
constexpr int DamagedCopies = 3;

// ---- the tree of keys ----

QString Folded(const QString& name) { return name.toCaseFolded(); }

// Entries with names, in written order, found by name without regard to case: by a scan
// while there are few, through a hash of their folded names once there are many.
template <typename Entry>
class TNamedList {
public:
    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    const Entry* Find(const QString& name) const {
        const std::optional<size_t> at = Position(Folded(name));
        return at ? &entries_[*at] : nullptr;
    }
    Entry* Find(const QString& name) {
        const std::optional<size_t> at = Position(Folded(name));
        return at ? &entries_[*at] : nullptr;
    }
    Entry& Add(Entry entry) {
        entries_.push_back(std::move(entry));
        if (!index_.isEmpty())
            index_.insert(FoldedName(entries_.back()), entries_.size() - 1);
        else if (entries_.size() > IndexFrom)
            Reindex();
        return entries_.back();
    }
    // Takes the entry of that name out; a default entry when there is none.
    Entry Take(const QString& name) {
        const std::optional<size_t> at = Position(Folded(name));
        if (!at) return Entry{};
        Entry taken = std::move(entries_[*at]);
        entries_.erase(entries_.begin() + qsizetype(*at));
        Reindex();
        return taken;
    }

private:
    static constexpr size_t IndexFrom = 8;

    std::optional<size_t> Position(const QString& folded) const {
        if (index_.isEmpty()) {
            for (size_t i = 0; i < entries_.size(); ++i)
                if (FoldedName(entries_[i]) == folded) return i;
            return std::nullopt;
        }
        const auto it = index_.constFind(folded);
        return it == index_.cend() ? std::nullopt : std::optional<size_t>(*it);
    }
    void Reindex() {
        index_.clear();
        if (entries_.size() <= IndexFrom) return;
        for (size_t i = 0; i < entries_.size(); ++i) index_.insert(FoldedName(entries_[i]), i);
    }

    std::vector<Entry> entries_;
    QHash<QString, size_t> index_;   // folded name -> position, once there are many
};

struct Value {
    QString name, folded;
    QString data;
};
const QString& FoldedName(const Value& value) { return value.folded; }

// A key's values and subkeys keep their written order and are found by name without
// regard to case.
struct Key {
    explicit Key(const QString& keyName = {}) { Rename(keyName); }
    void Rename(const QString& keyName) {
        name = keyName;
        folded = Folded(keyName);
    }

    QString name, folded;
    TNamedList<Value> values;
    TNamedList<std::unique_ptr<Key>> children;

    Key* Child(const QString& childName) const {
        const std::unique_ptr<Key>* child = children.Find(childName);
        return child ? child->get() : nullptr;
    }
    Key& ChildOrNew(const QString& childName) {
        if (Key* k = Child(childName)) return *k;
        return *children.Add(std::make_unique<Key>(childName));
    }
    const Value* Find(const QString& valueName) const { return values.Find(valueName); }
    void Set(const QString& valueName, const QString& data) {
        if (Value* v = values.Find(valueName))
            v->data = data;
        else
            values.Add(Value{valueName, Folded(valueName), data});
    }
};
const QString& FoldedName(const std::unique_ptr<Key>& key) { return key->folded; }

// Levels of the tree from `key` down, `key` included.
int Height(const Key& key) {
    int height = 0;
    std::vector<std::pair<const Key*, int>> stack{{&key, 1}};
    while (!stack.empty()) {
        const auto [k, level] = stack.back();
        stack.pop_back();
        height = std::max(height, level);
        for (const auto& child : k->children.Entries()) stack.push_back({child.get(), level + 1});
    }
    return height;
}

using KeyPath = QStringList;   // key names from the root

bool WithinLimits(const KeyPath& path) {
    return path.size() <= MaxKeyDepth &&
           std::all_of(path.begin(), path.end(), [](const QString& name) { return name.size() <= MaxNameLength; });
}

KeyPath SplitPath(const QString& path) {
    KeyPath parts;
    for (const QString& p : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) parts << p;
    return parts;
}

// The key names below `key` that spell `parts[from..]`, where a name may itself hold "\":
// at each level the longest run of parts that names an existing subkey is taken first.
// `dead` remembers the places already found to lead nowhere.
std::optional<KeyPath> Locate(const Key& key, const QStringList& parts, qsizetype from,
                              std::set<std::pair<const Key*, qsizetype>>& dead) {
    if (from == parts.size()) return KeyPath{};
    if (dead.count({&key, from})) return std::nullopt;
    // No name is longer than MaxNameLength: longer runs need not be tried.
    qsizetype last = from + 1;
    for (qsizetype length = parts[from].size(); last < parts.size(); ++last) {
        length += 1 + parts[last].size();
        if (length > MaxNameLength) break;
    }
    for (qsizetype end = last; end > from; --end) {
        const Key* child = key.Child(parts.mid(from, end - from).join(QLatin1Char('\\')));
        if (!child) continue;
        if (std::optional<KeyPath> rest = Locate(*child, parts, end, dead)) {
            rest->prepend(child->name);
            return rest;
        }
    }
    dead.insert({&key, from});
    return std::nullopt;
}

std::optional<KeyPath> Locate(const Key& key, const QStringList& parts) {
    std::set<std::pair<const Key*, qsizetype>> dead;
    return Locate(key, parts, 0, dead);
}

Key* Walk(Key& root, const KeyPath& path, bool create) {
    Key* k = &root;
    for (const QString& name : path) {
        Key* next = create ? &k->ChildOrNew(name) : k->Child(name);
        if (!next) return nullptr;
        k = next;
    }
    return k;
}

// ---- the store file ----
// Lines "[name\name\...]" open a key ("[]" the root); lines "name=data" are values of the
// last opened key; lines starting with "#" are comments. In names "%", "\", "[", "]", "=",
// "#" and control characters are written as %XX; in data "%" and control characters.

QString Escape(const QString& text, bool isName) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const ushort u = c.unicode();
        const bool special = u < 0x20 || u == 0x7F || c == QLatin1Char('%') ||
                             (isName && (c == QLatin1Char('\\') || c == QLatin1Char('[') || c == QLatin1Char('#') ||
                                         c == QLatin1Char(']') || c == QLatin1Char('=')));
        if (special)
            out += QLatin1Char('%') + QString::number(u, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString Unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 2 < text.size()) {
            bool ok = isxdigit(text[i + 1].toLatin1()) && isxdigit(text[i + 2].toLatin1());
            const int code = text.mid(i + 1, 2).toInt(nullptr, 16);
            if (ok) {
                out += QChar(code);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Reads the store file into `root`, as far as it can. Returns what was damaged (the first
// line that did not parse cleanly), or an empty text for a clean file.
QString Parse(const QByteArray& bytes, Key& root) {
    QString damage;
    auto damaged = [&](qsizetype lineNumber, const QString& what) {
        if (damage.isEmpty()) damage = QStringLiteral("line %1 %2").arg(lineNumber).arg(what);
    };
    Key* current = nullptr;
    // The keys along the last path read: the next path is mostly the same, and only the
    // names after the part they share are looked up.
    KeyPath lastPath;
    std::vector<Key*> lastKeys;
    qsizetype lineNumber = 0;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        ++lineNumber;
        if (!QUtf8StringView(rawLine).isValidUtf8()) damaged(lineNumber, QStringLiteral("is not UTF-8 text"));
        QString line = QString::fromUtf8(rawLine);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            current = nullptr;
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 2) {
                damaged(lineNumber, QStringLiteral("is a key without its closing bracket"));
                continue;
            }
            KeyPath path;
            for (const QString& part : line.mid(1, line.size() - 2).split(QLatin1Char('\\'), Qt::SkipEmptyParts))
                path << Unescape(part);
            if (path.size() > MaxKeyDepth)
                damaged(lineNumber, QStringLiteral("nests keys deeper than %1 levels").arg(MaxKeyDepth));
            else if (!WithinLimits(path))
                damaged(lineNumber, QStringLiteral("holds a key name longer than %1 characters").arg(MaxNameLength));
            else {
                qsizetype same = 0;
                while (same < path.size() && same < lastPath.size() && path[same] == lastPath[same]) ++same;
                lastKeys.resize(size_t(same));
                for (qsizetype i = same; i < path.size(); ++i)
                    lastKeys.push_back(&(i == 0 ? root : *lastKeys.back()).ChildOrNew(path[i]));
                lastPath = path;
                current = lastKeys.empty() ? &root : lastKeys.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) {
            damaged(lineNumber, QStringLiteral("is neither a key nor a value"));
            continue;
        }
        if (!current) {
            damaged(lineNumber, QStringLiteral("is a value outside any readable key"));
            continue;
        }
        const QString name = Unescape(line.left(eq));
        if (name.size() > MaxNameLength) {
            damaged(lineNumber, QStringLiteral("holds a value name longer than %1 characters").arg(MaxNameLength));
            continue;
        }
        current->Set(name, Unescape(line.mid(eq + 1)));
    }
    return damage;
}

// Every key as a line with its full path, followed by its values; without recursion, and
// as the paths are bounded by the store's limits, in time linear in the store's size.
void Serialize(const Key& root, QByteArray& out) {
    auto writeValues = [&out](const Key& key) {
        for (const Value& v : key.values.Entries())
            out += (Escape(v.name, true) + QLatin1Char('=') + Escape(v.data, false)).toUtf8() + '\n';
    };
    if (!root.values.Empty()) {
        out += "[]\n";
        writeValues(root);
    }
    struct Frame {
        const Key* key;
        size_t nextChild;
        qsizetype pathLength;   // of `path` while at this key
    };
    QByteArray path;
    std::vector<Frame> stack{{&root, 0, 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.nextChild == frame.key->children.Entries().size()) {
            stack.pop_back();
            continue;
        }
        const Key& child = *frame.key->children.Entries()[frame.nextChild++];
        path.truncate(frame.pathLength);
        if (!path.isEmpty()) path += '\\';
        path += Escape(child.name, true).toUtf8();
        out += '[' + path + "]\n";
        writeValues(child);
        stack.push_back({&child, 0, path.size()});
    }
}

// ---- changes, kept so that they can be merged into the file's latest contents ----

struct SetValue { KeyPath key; QString name, data; };
struct DeleteValue { KeyPath key; QString name; };
struct CreateKey { KeyPath key; };
struct EraseKey { KeyPath key; };
struct MoveKey { KeyPath from, to; };
using Change = std::variant<SetValue, DeleteValue, CreateKey, EraseKey, MoveKey>;

// Whether the change leaves the tree within the store's limits.
bool Fits(const Key& root, const Change& change) {
    if (auto* c = std::get_if<SetValue>(&change)) return WithinLimits(c->key) && c->name.size() <= MaxNameLength;
    if (auto* c = std::get_if<CreateKey>(&change)) return WithinLimits(c->key);
    if (auto* c = std::get_if<MoveKey>(&change)) {
        const Key* moved = Walk(const_cast<Key&>(root), c->from, false);
        return WithinLimits(c->to) && (!moved || c->to.size() - 1 + Height(*moved) <= MaxKeyDepth);
    }
    return true;
}

// The path's name for messages.
QString Describe(const KeyPath& key, const QString& name = {}) {
    QString text = key.join(QLatin1Char('\\'));
    if (!name.isEmpty()) text += QLatin1Char('\\') + name;
    return text.size() > 80 ? text.left(80) + QStringLiteral("...") : text;
}

QString Describe(const Change& change) {
    if (auto* c = std::get_if<SetValue>(&change)) return Describe(c->key, c->name);
    if (auto* c = std::get_if<CreateKey>(&change)) return Describe(c->key);
    if (auto* c = std::get_if<MoveKey>(&change)) return Describe(c->to);
    return {};
}

// Applies one change; a move whose source is gone, or whose new name is taken, changes nothing.
void Apply(Key& root, const Change& change) {
    if (auto* c = std::get_if<SetValue>(&change)) {
        Walk(root, c->key, true)->Set(c->name, c->data);
    } else if (auto* c = std::get_if<DeleteValue>(&change)) {
        if (Key* k = Walk(root, c->key, false)) k->values.Take(c->name);
    } else if (auto* c = std::get_if<CreateKey>(&change)) {
        Walk(root, c->key, true);
    } else if (auto* c = std::get_if<EraseKey>(&change)) {
        if (Key* parent = c->key.isEmpty() ? nullptr : Walk(root, c->key.mid(0, c->key.size() - 1), false))
            parent->children.Take(c->key.last());
    } else if (auto* c = std::get_if<MoveKey>(&change)) {
        if (!Walk(root, c->from, false) || Walk(root, c->to, false)) return;
        std::unique_ptr<Key> moved = Walk(root, c->from.mid(0, c->from.size() - 1), false)->children.Take(c->from.last());
        moved->Rename(c->to.last());
        Walk(root, c->to.mid(0, c->to.size() - 1), true)->children.Add(std::move(moved));
    }
}

// ---- reports ----

enum class Trouble { Unwritable, Unreadable, Damaged, Refused };

std::function<void(const QString&)>& ErrorHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}
std::set<Trouble>& Reported() {
    static std::set<Trouble> reported;
    return reported;
}

void Report(Trouble kind, const QString& message) {
    if (!Reported().insert(kind).second) return;
    if (ErrorHandler())
        ErrorHandler()(message);
    else
        qWarning("%s", qPrintable(message));
}

QString Native(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

void ReportUnwritable(const QString& fileName, const QString& why) {
    Report(Trouble::Unwritable, QStringLiteral("The settings could not be saved to %1: %2").arg(Native(fileName), why));
}

// ---- reading and replacing the file ----

struct LoadedStore {
    Key root;
    bool readable = true;   // false: the file is there but could not be read
    QString damage;         // what did not parse, empty when clean
    QByteArray bytes;       // the file as read, kept only when damaged
};

LoadedStore LoadStore() {
    LoadedStore store;
    const QString fileName = TRegIniFile::StoreFileName();
    if (!QFileInfo::exists(fileName)) return store;
    QByteArray bytes;
    // Only a regular file: a FIFO would keep the program waiting.
    QString error;
    if (!selvmap::ReadRegularFile(fileName, bytes, error)) {
        store.readable = false;
        Report(Trouble::Unreadable,
               QStringLiteral("The settings could not be read from %1: %2. The file is left as it is, and "
                              "the settings of this session will not be saved.")
                   .arg(Native(fileName), error));
        return store;
    }
    store.damage = Parse(bytes, store.root);
    if (!store.damage.isEmpty()) store.bytes = std::move(bytes);
    return store;
}

// Keeps a copy of a damaged store before it is first rewritten, unless the same copy is
// there already. At most DamagedCopies copies are kept: beyond them the oldest gives way.
// False when no copy could be made: the store must then stay as it is.
bool KeepDamagedCopy(const QString& fileName, const LoadedStore& store) {
    QString copyName;
    QDateTime oldest;
    for (int n = 1; n <= DamagedCopies; ++n) {
        const QString name = fileName + QStringLiteral(".damaged") + (n > 1 ? QLatin1Char('.') + QString::number(n) : QString());
        const QFileInfo info(name);
        if (!info.exists()) {
            copyName = name;
            break;
        }
        QByteArray existing;
        QString unreadable;
        if (selvmap::ReadRegularFile(name, existing, unreadable) && existing == store.bytes) return true;
        if (oldest.isNull() || info.lastModified() < oldest) {
            oldest = info.lastModified();
            copyName = name;
        }
    }
    if (const QString why = WriteWholeFile(copyName, store.bytes); !why.isEmpty()) {
        Report(Trouble::Damaged,
               QStringLiteral("The settings file %1 is damaged (%2), and no copy of it could be saved as %3: %4. "
                              "The file is left as it is, and the settings of this session will not be saved.")
                   .arg(Native(fileName), store.damage, Native(copyName), why));
        return false;
    }
    Report(Trouble::Damaged,
           QStringLiteral("The settings file %1 was damaged (%2). What could be read is kept, and the damaged "
                          "file was copied to %3.")
               .arg(Native(fileName), store.damage, Native(copyName)));
    return true;
}

bool SaveStore(const QString& fileName, const Key& root) {
    QByteArray out = "# Selvarion settings\n";
    Serialize(root, out);
    const QString why = WriteWholeFile(fileName, out);
    if (!why.isEmpty()) ReportUnwritable(fileName, why);
    return why.isEmpty();
}

// Merges `changes` into the file's latest contents and replaces it, holding the lock file.
// Returns the tree written, or nothing when the file was left as it is.
std::optional<Key> MergeIntoStore(const std::vector<Change>& changes) {
    const QString fileName = TRegIniFile::StoreFileName();
    auto unwritable = [&](const QString& why) {
        ReportUnwritable(fileName, why);
        return std::nullopt;
    };
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath())) return unwritable(QStringLiteral("its folder cannot be made"));
    // Writes take milliseconds: the lock is tried again at short intervals.
    QLockFile lock(fileName + QStringLiteral(".lock"));
    const QDeadlineTimer deadline(LockWaitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            const QString why = WhyFileCannotBeMade(lock.fileName());
            return unwritable(QStringLiteral("its lock file cannot be made") + (why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
        }
        if (deadline.hasExpired()) return unwritable(QStringLiteral("another program keeps it locked"));
        QThread::msleep(LockRetryMs);
    }
    LoadedStore latest = LoadStore();
    if (!latest.readable) return std::nullopt;
    if (!latest.damage.isEmpty() && !KeepDamagedCopy(fileName, latest)) return std::nullopt;
    for (const Change& c : changes) Apply(latest.root, c);
    if (!SaveStore(fileName, latest.root)) return std::nullopt;
    return std::move(latest.root);
}

} // namespace

struct TRegIniFile::Impl {
    Key root;
    KeyPath current;
    std::vector<Change> pending;
    bool lazy = true;

    // False when the change is refused, being beyond the store's limits.
    bool Do(Change change) {
        if (!Fits(root, change)) {
            Report(Trouble::Refused,
                   QStringLiteral("The setting %1 was not saved: the settings keep no names longer than %2 "
                                  "characters and no keys nested deeper than %3 levels.")
                       .arg(Describe(change))
                       .arg(MaxNameLength)
                       .arg(MaxKeyDepth));
            return false;
        }
        Apply(root, change);
        pending.push_back(std::move(change));
        if (!lazy) Flush();
        return true;
    }
    void Flush() {
        if (pending.empty()) return;
        std::optional<Key> written = MergeIntoStore(pending);
        pending.clear();
        if (written) root = std::move(*written);
    }
    // A section is the subkey of that name; failing that, a name with "\" may lead through
    // existing subkeys ("InstalledFiles\<version>"). A new section is made with the name as given.
    KeyPath Section(const QString& section) const {
        KeyPath p = current;
        if (section.isEmpty()) return p;
        const Key* key = Walk(const_cast<Key&>(root), current, false);
        if (key && !key->Child(section) && section.contains(QLatin1Char('\\')))
            if (std::optional<KeyPath> found = Locate(*key, SplitPath(section))) return p + *found;
        p << section;
        return p;
    }
    const Value* Find(const QString& section, const QString& ident) const {
        const Key* k = Walk(const_cast<Key&>(root), Section(section), false);
        return k ? k->Find(ident) : nullptr;
    }
    // An existing key is found as Locate finds it; a missing one is spelt by splitting on "\".
    KeyPath Resolve(const QString& path) const {
        const KeyPath base = path.startsWith(QLatin1Char('\\')) ? KeyPath() : current;
        const QStringList parts = SplitPath(path);
        if (const Key* key = Walk(const_cast<Key&>(root), base, false))
            if (std::optional<KeyPath> found = Locate(*key, parts)) return base + *found;
        return base + parts;
    }
};

TRegIniFile::TRegIniFile(const QString& keyPath) : d(std::make_unique<Impl>()) {
    d->root = std::move(LoadStore().root);
    d->current = d->Resolve(QLatin1Char('\\') + keyPath);
    if (!Walk(d->root, d->current, false)) d->Do(CreateKey{d->current});
}

TRegIniFile::~TRegIniFile() { d->Flush(); }

bool TRegIniFile::OpenKey(const QString& path, bool canCreate) {
    const KeyPath target = d->Resolve(path);
    if (!Walk(d->root, target, false)) {
        if (!canCreate || !d->Do(CreateKey{target})) return false;
    }
    d->current = target;
    return true;
}

bool TRegIniFile::KeyExists(const QString& path) const { return Walk(d->root, d->Resolve(path), false) != nullptr; }

QString TRegIniFile::CurrentPath() const { return d->current.join(QLatin1Char('\\')); }

QString TRegIniFile::ReadString(const QString& section, const QString& ident, const QString& def) const {
    const Value* v = d->Find(section, ident);
    return v ? v->data : def;
}

void TRegIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
    d->Do(SetValue{d->Section(section), ident, value});
}

int TRegIniFile::ReadInteger(const QString& section, const QString& ident, int def) const {
    const Value* v = d->Find(section, ident);
    return v ? StrToIntDef(v->data, def) : def;
}

void TRegIniFile::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

bool TRegIniFile::ReadBool(const QString& section, const QString& ident, bool def) const {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TRegIniFile::SectionExists(const QString& section) const {
    return Walk(d->root, d->Section(section), false) != nullptr;
}

bool TRegIniFile::ValueExists(const QString& section, const QString& ident) const {
    return d->Find(section, ident) != nullptr;
}

QStringList TRegIniFile::ReadSection(const QString& section) const {
    QStringList names;
    if (const Key* k = Walk(d->root, d->Section(section), false))
        for (const Value& v : k->values.Entries()) names << v.name;
    return names;
}

QStringList TRegIniFile::ReadSections() const {
    QStringList names;
    if (const Key* k = Walk(d->root, d->current, false))
        for (const auto& child : k->children.Entries()) names << child->name;
    return names;
}

void TRegIniFile::DeleteKey(const QString& section, const QString& ident) {
    if (ValueExists(section, ident)) d->Do(DeleteValue{d->Section(section), ident});
}

void TRegIniFile::EraseSection(const QString& section) {
    if (!section.isEmpty() && SectionExists(section)) d->Do(EraseKey{d->Section(section)});
}

bool TRegIniFile::MoveSection(const QString& from, const QString& to) {
    if (from.isEmpty() || to.isEmpty() || !SectionExists(from) || SectionExists(to)) return false;
    return d->Do(MoveKey{d->Section(from), d->Section(to)});
}

bool TRegIniFile::LazyWrite() const { return d->lazy; }

void TRegIniFile::SetLazyWrite(bool lazy) {
    d->lazy = lazy;
    if (!lazy) d->Flush();
}

void TRegIniFile::UpdateFile() { d->Flush(); }

QString TRegIniFile::StoreFileName() {
    const QString overridden = qEnvironmentVariable("SELVARION_CONFIG_DIR");
    const QString dir = !overridden.isEmpty()
        ? overridden
        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Selvarion");
    return dir + QStringLiteral("/registry.ini");
}

void TRegIniFile::SetStoreErrorHandler(std::function<void(const QString&)> handler) {
    ErrorHandler() = std::move(handler);
    Reported().clear();
}

int StrToIntDef(const QString& text, int def) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    const QString rest = text.mid(i);
    if (rest.isEmpty()) return def;
    for (qsizetype j = 0; j < rest.size(); ++j) {
        const QChar c = rest[j];
        const bool sign = j == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-'));
        if (!sign && (c < QLatin1Char('0') || c > QLatin1Char('9'))) return def;
    }
    bool ok = false;
    const int value = rest.toInt(&ok, 10);
    return ok ? value : def;
}
