#include "leftovers/removaljournal.h"

#include "libs/sharelog/sharelog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPair>
#include <QSaveFile>

#include <algorithm>
#include <set>

namespace journal {

namespace {

constexpr int kFormat = 1;
constexpr qint64 kMaxFileBytes = 64ll * 1024 * 1024;
// More than any run removes; a file that claims more is not believed.
constexpr int kMaxPrograms = 10000;
constexpr int kMaxItems = 200000;
constexpr int kMaxText = 32767;

const char *const kKinds[] = {"file", "folder", "registry", "muicache", "desktop"};
const char *const kStates[] = {"pending", "trashed", "deleted", "gone", "kept", "failed", "partial"};

std::mutex g_activeMutex;
std::set<QString> g_active;

QString stamp(const QDateTime &t)
{
    return t.isValid() ? t.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QString modeName(RemovalMode mode)
{
    return mode == RemovalMode::Delete ? QStringLiteral("delete") : QStringLiteral("trash");
}

QString restoreName(Restore r)
{
    switch (r) {
    case Restore::Restored: return QStringLiteral("restored");
    case Restore::NotRestored: return QStringLiteral("not restored");
    default: return QString();
    }
}

QJsonObject itemJson(const Item &item)
{
    QJsonObject o;
    o[QStringLiteral("kind")] = KindName(item.kind);
    o[QStringLiteral("path")] = item.path;
    if (item.kind == LeftoverRegistry || item.kind == LeftoverMuiCache) {
        if (!item.value.isEmpty() || item.kind == LeftoverRegistry)
            o[QStringLiteral("value")] = item.value;
        o[QStringLiteral("root")] = qint64(item.root);
        o[QStringLiteral("view")] = qint64(item.view);
    } else {
        o[QStringLiteral("native")] = item.native;
        if (item.size >= 0)
            o[QStringLiteral("size")] = double(item.size);
    }
    o[QStringLiteral("state")] = StateName(item.state);
    if (!item.trashPath.isEmpty())
        o[QStringLiteral("trash")] = item.trashPath;
    if (!item.note.isEmpty())
        o[QStringLiteral("note")] = item.note;
    if (item.restore != Restore::None) {
        o[QStringLiteral("restore")] = restoreName(item.restore);
        if (!item.restoreNote.isEmpty())
            o[QStringLiteral("restoreNote")] = item.restoreNote;
        if (item.restoredAt.isValid())
            o[QStringLiteral("restoredAt")] = stamp(item.restoredAt);
    }
    return o;
}

QJsonObject programJson(const Program &p)
{
    QJsonObject o;
    o[QStringLiteral("name")] = p.name;
    if (!p.publisher.isEmpty())
        o[QStringLiteral("publisher")] = p.publisher;
    if (!p.version.isEmpty())
        o[QStringLiteral("version")] = p.version;
    if (!p.prefix.isEmpty())
        o[QStringLiteral("prefix")] = p.prefix;
    o[QStringLiteral("mode")] = modeName(p.mode);
    if (!p.regBackup.isEmpty())
        o[QStringLiteral("regBackup")] = p.regBackup;
    QJsonObject entry;
    entry[QStringLiteral("root")] = qint64(p.entryRoot);
    entry[QStringLiteral("view")] = qint64(p.entryView);
    entry[QStringLiteral("key")] = p.entryKey;
    o[QStringLiteral("entry")] = entry;
    o[QStringLiteral("started")] = stamp(p.started);
    if (p.finished.isValid())
        o[QStringLiteral("finished")] = stamp(p.finished);
    QJsonArray items;
    for (const Item &item : p.items)
        items.append(itemJson(item));
    o[QStringLiteral("items")] = items;
    return o;
}

// Reading: every field is checked for its type and range; what does not fit is a problem of
// that entry, and the rest is read on.
class Reader {
public:
    QString problem;

    QString text(const QJsonObject &o, const char *key, bool required = false)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull()) {
            if (required)
                fail(QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
            return QString();
        }
        if (!v.isString()) {
            fail(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
            return QString();
        }
        const QString s = v.toString();
        if (s.size() > kMaxText || s.contains(QChar(0))) {
            fail(QStringLiteral("\"%1\" is not a usable text").arg(QLatin1String(key)));
            return QString();
        }
        return s;
    }
    uint32_t number(const QJsonObject &o, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return 0;
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d < 0 || d > 4294967295.0 || d != double(qint64(d))) {
            fail(QStringLiteral("\"%1\" is not a number").arg(QLatin1String(key)));
            return 0;
        }
        return uint32_t(qint64(d));
    }
    QDateTime time(const QJsonObject &o, const char *key)
    {
        const QString s = text(o, key);
        if (s.isEmpty())
            return QDateTime();
        const QDateTime t = QDateTime::fromString(s, Qt::ISODateWithMs);
        if (!t.isValid())
            fail(QStringLiteral("\"%1\" is not a time").arg(QLatin1String(key)));
        return t;
    }
    void fail(const QString &why)
    {
        if (problem.isEmpty())
            problem = why;
    }
};

template <size_t N> int nameIndex(const char *const (&names)[N], const QString &name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return -1;
}

Item readItem(const QJsonValue &value)
{
    Item item;
    Reader r;
    if (!value.isObject()) {
        item.problem = QStringLiteral("an entry that is not an object");
        return item;
    }
    const QJsonObject o = value.toObject();
    const int kind = nameIndex(kKinds, r.text(o, "kind", true));
    if (kind < 0)
        r.fail(QStringLiteral("an unknown kind"));
    item.kind = kind < 0 ? LeftoverFile : kind;
    item.path = r.text(o, "path", true);
    if (item.path.isEmpty())
        r.fail(QStringLiteral("no path"));
    item.value = r.text(o, "value");
    item.root = r.number(o, "root");
    item.view = r.number(o, "view");
    item.native = r.text(o, "native");
    const int state = nameIndex(kStates, r.text(o, "state", true));
    if (state < 0)
        r.fail(QStringLiteral("an unknown state"));
    item.state = state < 0 ? State::Pending : State(state);
    item.trashPath = r.text(o, "trash");
    item.note = r.text(o, "note");
    const QJsonValue size = o.value(QStringLiteral("size"));
    if (size.isDouble() && size.toDouble() >= 0 && size.toDouble() < 9.0e15)
        item.size = qint64(size.toDouble());
    else if (!size.isUndefined())
        r.fail(QStringLiteral("\"size\" is not a size"));
    const QString restore = r.text(o, "restore");
    if (restore == QLatin1String("restored"))
        item.restore = Restore::Restored;
    else if (restore == QLatin1String("not restored"))
        item.restore = Restore::NotRestored;
    else if (!restore.isEmpty())
        r.fail(QStringLiteral("an unknown restore state"));
    item.restoreNote = r.text(o, "restoreNote");
    item.restoredAt = r.time(o, "restoredAt");
    item.problem = r.problem;
    return item;
}

Program readProgram(const QJsonValue &value, int *itemBudget)
{
    Program p;
    Reader r;
    if (!value.isObject()) {
        p.problem = QStringLiteral("a program that is not an object");
        return p;
    }
    const QJsonObject o = value.toObject();
    p.name = r.text(o, "name", true);
    p.publisher = r.text(o, "publisher");
    p.version = r.text(o, "version");
    p.prefix = r.text(o, "prefix");
    const QString mode = r.text(o, "mode");
    if (mode == QLatin1String("delete"))
        p.mode = RemovalMode::Delete;
    else if (!mode.isEmpty() && mode != QLatin1String("trash"))
        r.fail(QStringLiteral("an unknown removal mode"));
    p.regBackup = r.text(o, "regBackup");
    // The backup is a file beside the journal, named by its file name alone.
    if (!p.regBackup.isEmpty()
        && (p.regBackup.contains(QLatin1Char('/')) || p.regBackup.contains(QLatin1Char('\\'))
            || p.regBackup.startsWith(QLatin1Char('.')) || p.regBackup.contains(QLatin1Char(':')))) {
        r.fail(QStringLiteral("the registry backup is not a file beside the journal"));
        p.regBackup.clear();
    }
    const QJsonValue entry = o.value(QStringLiteral("entry"));
    if (entry.isObject()) {
        p.entryRoot = r.number(entry.toObject(), "root");
        p.entryView = r.number(entry.toObject(), "view");
        p.entryKey = r.text(entry.toObject(), "key");
    } else if (!entry.isUndefined()) {
        r.fail(QStringLiteral("\"entry\" is not an object"));
    }
    p.started = r.time(o, "started");
    p.finished = r.time(o, "finished");
    const QJsonValue items = o.value(QStringLiteral("items"));
    if (!items.isArray()) {
        r.fail(QStringLiteral("no list of items"));
    } else {
        const QJsonArray list = items.toArray();
        if (list.size() > *itemBudget) {
            r.fail(QStringLiteral("too many items"));
        } else {
            *itemBudget -= list.size();
            p.items.reserve(list.size());
            for (const QJsonValue &v : list)
                p.items.append(readItem(v));
        }
    }
    p.problem = r.problem;
    return p;
}

} // namespace

QString KindName(int kind)
{
    return kind >= 0 && kind < 5 ? QLatin1String(kKinds[kind]) : QStringLiteral("file");
}

QString StateName(State state)
{
    const int i = int(state);
    return i >= 0 && i < int(sizeof kStates / sizeof kStates[0]) ? QLatin1String(kStates[i]) : QStringLiteral("pending");
}

QString Folder()
{
    return QFileInfo(sharelog::LogFilePath()).absolutePath() + QStringLiteral("/journal");
}

QByteArray ToJson(const Run &run)
{
    QJsonObject o;
    o[QStringLiteral("format")] = kFormat;
    o[QStringLiteral("started")] = stamp(run.started);
    QJsonArray programs;
    for (const Program &p : run.programs)
        programs.append(programJson(p));
    o[QStringLiteral("programs")] = programs;
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

Run FromJson(const QByteArray &json, const QString &file)
{
    Run run;
    run.file = file;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        run.problem = QStringLiteral("not a journal: %1 at byte %2").arg(error.errorString()).arg(error.offset);
        return run;
    }
    if (!doc.isObject()) {
        run.problem = QStringLiteral("not a journal: no object");
        return run;
    }
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toInt(-1) != kFormat) {
        run.problem = QStringLiteral("a journal of an unknown format");
        return run;
    }
    Reader r;
    run.started = r.time(o, "started");
    const QJsonValue programs = o.value(QStringLiteral("programs"));
    if (!programs.isArray()) {
        run.problem = QStringLiteral("a journal without programs");
        return run;
    }
    const QJsonArray list = programs.toArray();
    if (list.size() > kMaxPrograms) {
        run.problem = QStringLiteral("a journal with too many programs");
        return run;
    }
    int itemBudget = kMaxItems;
    for (const QJsonValue &v : list)
        run.programs.append(readProgram(v, &itemBudget));
    if (!r.problem.isEmpty())
        run.problem = r.problem;
    return run;
}

Run Read(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        Run run;
        run.file = file;
        run.problem = QStringLiteral("the journal cannot be read: %1").arg(f.errorString());
        return run;
    }
    if (f.size() > kMaxFileBytes) {
        Run run;
        run.file = file;
        run.problem = QStringLiteral("the journal is too large");
        return run;
    }
    return FromJson(f.read(kMaxFileBytes), file);
}

QVector<Run> ReadAll(const QString &folder)
{
    const QDir dir(folder.isEmpty() ? Folder() : folder);
    QVector<QPair<qint64, Run>> sorted;
    const QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString &name : names) {
        Run run = Read(dir.filePath(name));
        // Newest first: by the time the run began, else by the time its name gives.
        QDateTime when = run.started;
        if (!when.isValid())
            when = QDateTime::fromString(name.left(19), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        sorted.append({when.isValid() ? when.toMSecsSinceEpoch() : 0, std::move(run)});
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QPair<qint64, Run> &a, const QPair<qint64, Run> &b) { return a.first > b.first; });
    QVector<Run> runs;
    for (auto &entry : sorted)
        runs.append(std::move(entry.second));
    return runs;
}

bool WritePrivateFile(const QString &file, const QByteArray &data, QString *error)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder)) {
            if (error)
                *error = QStringLiteral("the folder %1 cannot be created").arg(folder);
            return false;
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    // The new file is the temporary one until the commit: it is made private before it has
    // any content.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (out.write(data) != data.size() || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

bool Write(const Run &run, QString *error)
{
    return WritePrivateFile(run.file, ToJson(run), error);
}

bool IsBeingWritten(const QString &file)
{
    std::lock_guard<std::mutex> lock(g_activeMutex);
    return g_active.count(QFileInfo(file).absoluteFilePath()) != 0;
}

} // namespace journal

using namespace journal;

CRunJournal::CRunJournal(const QString &folder)
{
    const QString dir = folder.isEmpty() ? journal::Folder() : folder;
    m_run.started = QDateTime::currentDateTimeUtc();
    const QString base = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString name = base + QStringLiteral(".json");
    for (int n = 2; QFileInfo::exists(QDir(dir).filePath(name)); ++n)
        name = base + QStringLiteral("-%1.json").arg(n);
    m_run.file = QDir(dir).absoluteFilePath(name);
}

CRunJournal::~CRunJournal()
{
    std::lock_guard<std::mutex> lock(g_activeMutex);
    g_active.erase(m_run.file);
}

QString CRunJournal::RegBackupFile(int program) const
{
    QString stem = m_run.file;
    stem.chop(5); // ".json"
    return stem + QStringLiteral("-%1.reg").arg(program + 1);
}

int CRunJournal::AddProgram(const Program &program)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_run.programs.isEmpty()) {
        std::lock_guard<std::mutex> active(g_activeMutex);
        g_active.insert(m_run.file);
    }
    m_run.programs.append(program);
    Program &p = m_run.programs.last();
    if (!p.started.isValid())
        p.started = QDateTime::currentDateTimeUtc();
    Save();
    return m_run.programs.size() - 1;
}

int CRunJournal::AddItem(int program, const Item &item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (program < 0 || program >= m_run.programs.size())
        return -1;
    m_run.programs[program].items.append(item);
    Save();
    return m_run.programs[program].items.size() - 1;
}

void CRunJournal::SetState(int program, int item, State state, const QString &note, const QString &trashPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (program < 0 || program >= m_run.programs.size() || item < 0 || item >= m_run.programs[program].items.size())
        return;
    Item &i = m_run.programs[program].items[item];
    i.state = state;
    if (!note.isEmpty())
        i.note = note;
    if (!trashPath.isEmpty())
        i.trashPath = trashPath;
    Save();
}

void CRunJournal::SetRegBackup(int program, const QString &fileName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (program < 0 || program >= m_run.programs.size() || m_run.programs[program].regBackup == fileName)
        return;
    m_run.programs[program].regBackup = fileName;
    Save();
}

void CRunJournal::FinishProgram(int program)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (program < 0 || program >= m_run.programs.size())
        return;
    m_run.programs[program].finished = QDateTime::currentDateTimeUtc();
    Save();
}

Run CRunJournal::Snapshot() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_run;
}

bool CRunJournal::WriteFailed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writeFailed;
}

void CRunJournal::Save()
{
    QString error;
    const bool ok = journal::Write(m_run, &error);
    if (!ok && !m_writeFailed)
        LogInfo("The journal %s cannot be written: %s", m_run.file.toLocal8Bit().constData(),
                error.toLocal8Bit().constData());
    m_writeFailed = !ok;
}
