#include "reg_ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtDebug>
#include <cctype>
#include <optional>
#include <variant>
#include <vector>

namespace {

// ---- the tree of keys ----

struct Value {
    QString name;
    QString data;
};

struct Key {
    QString name;
    std::vector<Value> values;
    std::vector<Key> children;

    Key* Child(const QString& childName) {
        for (Key& k : children)
            if (k.name.compare(childName, Qt::CaseInsensitive) == 0) return &k;
        return nullptr;
    }
    const Key* Child(const QString& childName) const {
        return const_cast<Key*>(this)->Child(childName);
    }
    Key& ChildOrNew(const QString& childName) {
        if (Key* k = Child(childName)) return *k;
        children.push_back(Key{childName, {}, {}});
        return children.back();
    }
    Value* Find(const QString& valueName) {
        for (Value& v : values)
            if (v.name.compare(valueName, Qt::CaseInsensitive) == 0) return &v;
        return nullptr;
    }
    const Value* Find(const QString& valueName) const { return const_cast<Key*>(this)->Find(valueName); }
};

using KeyPath = QStringList;   // key names from the root

KeyPath SplitPath(const QString& path) {
    KeyPath parts;
    for (const QString& p : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) parts << p;
    return parts;
}

// The key names below `key` that spell `parts[from..]`, where a name may itself hold "\":
// at each level the longest run of parts that names an existing subkey is taken first.
std::optional<KeyPath> Locate(const Key& key, const QStringList& parts, qsizetype from = 0) {
    if (from == parts.size()) return KeyPath{};
    for (qsizetype end = parts.size(); end > from; --end) {
        const Key* child = key.Child(parts.mid(from, end - from).join(QLatin1Char('\\')));
        if (!child) continue;
        if (std::optional<KeyPath> rest = Locate(*child, parts, end)) {
            rest->prepend(child->name);
            return rest;
        }
    }
    return std::nullopt;
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
// Lines "[name\name\...]" open a key; lines "name=data" are values of the last opened key.
// In names "%", "\", "[", "]", "=", "#" and control characters are written as %XX; in data "%"
// and control characters. Lines that do not parse are skipped.

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

void Parse(const QByteArray& bytes, Key& root) {
    Key* current = nullptr;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        QString line = QString::fromUtf8(rawLine);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            current = nullptr;
            if (!line.endsWith(QLatin1Char(']'))) continue;
            KeyPath path;
            for (const QString& part : line.mid(1, line.size() - 2).split(QLatin1Char('\\'), Qt::SkipEmptyParts))
                path << Unescape(part);
            current = Walk(root, path, true);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq < 0) continue;
        const QString name = Unescape(line.left(eq));
        const QString data = Unescape(line.mid(eq + 1));
        if (Value* v = current->Find(name))
            v->data = data;
        else
            current->values.push_back(Value{name, data});
    }
}

void Serialize(const Key& key, const QString& path, QByteArray& out) {
    if (!path.isEmpty()) {
        out += '[' + path.toUtf8() + "]\n";
        for (const Value& v : key.values)
            out += (Escape(v.name, true) + QLatin1Char('=') + Escape(v.data, false)).toUtf8() + '\n';
    }
    for (const Key& child : key.children) {
        const QString escaped = Escape(child.name, true);
        Serialize(child, path.isEmpty() ? escaped : path + QLatin1Char('\\') + escaped, out);
    }
}

// ---- changes, kept so that they can be merged into the file's latest contents ----

struct SetValue { KeyPath key; QString name, data; };
struct DeleteValue { KeyPath key; QString name; };
struct CreateKey { KeyPath key; };
struct EraseKey { KeyPath key; };
struct MoveKey { KeyPath from, to; };
using Change = std::variant<SetValue, DeleteValue, CreateKey, EraseKey, MoveKey>;

bool Detach(Key& root, const KeyPath& path, Key* taken) {
    if (path.isEmpty()) return false;
    Key* parent = Walk(root, path.mid(0, path.size() - 1), false);
    if (!parent) return false;
    for (auto it = parent->children.begin(); it != parent->children.end(); ++it) {
        if (it->name.compare(path.last(), Qt::CaseInsensitive) == 0) {
            if (taken) *taken = std::move(*it);
            parent->children.erase(it);
            return true;
        }
    }
    return false;
}

// Applies one change; false when it could not apply (a move whose source is gone).
bool Apply(Key& root, const Change& change) {
    if (auto* c = std::get_if<SetValue>(&change)) {
        Key* k = Walk(root, c->key, true);
        if (Value* v = k->Find(c->name))
            v->data = c->data;
        else
            k->values.push_back(Value{c->name, c->data});
    } else if (auto* c = std::get_if<DeleteValue>(&change)) {
        if (Key* k = Walk(root, c->key, false))
            std::erase_if(k->values, [&](const Value& v) { return v.name.compare(c->name, Qt::CaseInsensitive) == 0; });
    } else if (auto* c = std::get_if<CreateKey>(&change)) {
        Walk(root, c->key, true);
    } else if (auto* c = std::get_if<EraseKey>(&change)) {
        Detach(root, c->key, nullptr);
    } else if (auto* c = std::get_if<MoveKey>(&change)) {
        if (!Walk(root, c->from, false) || Walk(root, c->to, false)) return false;
        Key moved;
        Detach(root, c->from, &moved);
        Key* parent = Walk(root, c->to.mid(0, c->to.size() - 1), true);
        moved.name = c->to.last();
        parent->children.push_back(std::move(moved));
    }
    return true;
}

std::function<void(const QString&)>& ErrorHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}
bool& ErrorReported() {
    static bool reported = false;
    return reported;
}

void ReportStoreError(const QString& message) {
    if (ErrorReported()) return;
    ErrorReported() = true;
    if (ErrorHandler())
        ErrorHandler()(message);
    else
        qWarning("%s", qPrintable(message));
}

Key LoadStore() {
    Key root;
    QFile file(TRegIniFile::StoreFileName());
    if (file.open(QIODevice::ReadOnly)) Parse(file.readAll(), root);
    return root;
}

bool SaveStore(const Key& root) {
    const QString fileName = TRegIniFile::StoreFileName();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QByteArray out = "# Selvarion settings\n";
    Serialize(root, QString(), out);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        ReportStoreError(QStringLiteral("The settings could not be saved to %1: %2")
                             .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    return true;
}

} // namespace

struct TRegIniFile::Impl {
    Key root;
    KeyPath current;
    std::vector<Change> pending;
    bool lazy = true;

    void Do(Change change) {
        Apply(root, change);
        pending.push_back(std::move(change));
        if (!lazy) Flush();
    }
    void Flush() {
        if (pending.empty()) return;
        Key latest = LoadStore();
        for (const Change& c : pending) Apply(latest, c);
        pending.clear();
        if (SaveStore(latest)) root = std::move(latest);
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
    d->root = LoadStore();
    d->current = d->Resolve(QLatin1Char('\\') + keyPath);
    if (!Walk(d->root, d->current, false)) d->Do(CreateKey{d->current});
}

TRegIniFile::~TRegIniFile() { d->Flush(); }

bool TRegIniFile::OpenKey(const QString& path, bool canCreate) {
    const KeyPath target = d->Resolve(path);
    if (!Walk(d->root, target, false)) {
        if (!canCreate) return false;
        d->Do(CreateKey{target});
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
        for (const Value& v : k->values) names << v.name;
    return names;
}

QStringList TRegIniFile::ReadSections() const {
    QStringList names;
    if (const Key* k = Walk(d->root, d->current, false))
        for (const Key& child : k->children) names << child.name;
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
    d->Do(MoveKey{d->Section(from), d->Section(to)});
    return true;
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
    ErrorReported() = false;
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
