#pragma once
// The journal of removals: one JSON file per uninstall run, in the per-user state folder beside
// the log (journal/<time stamp>.json), naming for every program of the run what was found, what
// was moved to the trash and where it lies there, what was deleted for good, what was kept and
// why, what failed, the .reg backup of its registry items and, on Linux, the Wine prefix it
// belongs to. Restore (leftoverrestore.h) reads it back.
//
// The file is brought up to date as the removal goes: an item is recorded ("pending") before it
// is moved or deleted and marked done after, each time by writing the whole file anew through
// QSaveFile, so that a run that ends half-way (a crash, a power cut, kill -9) leaves a complete
// journal naming every item already in the trash. Only its owner may read it (0600, in a 0700
// folder; on Windows the user's own application data).
//
// A journal is read like any other file on disk: damaged or edited, it gives a run with a
// problem, or items with problems, never a crash.
#include "inventory/leftoveritem.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>
#include <mutex>

// How removed leftovers go.
enum class RemovalMode {
    Trash,  // files and folders to the desktop's trash, registry items to a .reg backup first
    Delete, // deleted for good, as the settings may ask ("LeftoverRemoval=delete")
};

namespace journal {

enum class State {
    Pending, // recorded, not yet moved or deleted (a run that ended here left it as it was,
             // or in the trash without its place recorded)
    Trashed, // in the trash at `trashPath`
    Deleted, // deleted for good (registry items: backed up first when the program's backup is set)
    Gone,    // already gone when its turn came
    Kept,    // not removed: a rule keeps it (`note` says which)
    Failed,  // removal tried and failed (`note` says why)
    Partial, // a folder whose entries were removed one by one; some of them stayed
};

enum class Restore {
    None,        // never asked to come back
    Restored,    // put back (`restoredAt`)
    NotRestored, // asked, and not put back: `restoreNote` says why
};

struct Item {
    int kind = LeftoverFile;  // LeftoverKind
    QString path;             // Windows path, registry key path, or the MuiCache value's name
    QString value;            // registry value name; empty for a whole key
    uint32_t root = 0;        // registry items: pw::RegRoot
    uint32_t view = 0;        // registry items: the view flag the key was read through
    QString native;           // files and folders: the native path it had
    State state = State::Pending;
    QString trashPath;        // State::Trashed: where it lies in the trash
    QString note;             // why it was kept or failed, or how it was deleted
    qint64 size = -1;         // files and folders: bytes before removal (-1 unknown)
    Restore restore = Restore::None;
    QString restoreNote;      // a RestoreOutcome name (leftoverrestore.h) and detail
    QDateTime restoredAt;

    QString problem; // reading: what is wrong with this entry of the file; never written
};

struct Program {
    QString name;
    QString publisher;
    QString version;
    QString prefix;         // Linux: the Wine prefix the program was installed in
    RemovalMode mode = RemovalMode::Trash;
    QString regBackup;      // the .reg file of its registry items, a name in the journal's folder
    uint32_t entryRoot = 0; // its uninstall entry, as the program list read it
    uint32_t entryView = 0;
    QString entryKey;
    QDateTime started;
    QDateTime finished;     // invalid while (or when a run ended while) it was being removed
    QVector<Item> items;

    QString problem; // reading: what is wrong with this program's part of the file
};

struct Run {
    QString file; // the journal's path
    QDateTime started;
    QVector<Program> programs;

    QString problem; // reading: why the file is not a journal (empty for a readable one)
};

// The folder of the journals: "journal" beside the log (sharelog::LogFilePath()).
QString Folder();

// The file's text, and the journal a text gives (`file` names where it came from). Reading
// never fails: a text that is no journal gives a run with `problem` set.
QByteArray ToJson(const Run &run);
Run FromJson(const QByteArray &json, const QString &file = QString());
// Reads one journal file (at most 64 MiB).
Run Read(const QString &file);
// Every journal of `folder` (default Folder()), newest first.
QVector<Run> ReadAll(const QString &folder = QString());
// Writes a journal through QSaveFile, readable by its owner only. False when it could not be
// written (*error says why); the file is then as it was.
bool Write(const Run &run, QString *error = nullptr);
// Writes `data` the same way: complete or not at all, readable by its owner only; creates the
// folder (0700) when it is missing.
bool WritePrivateFile(const QString &file, const QByteArray &data, QString *error = nullptr);

// Whether a run of this process is still writing `file`: such a journal is not restored from.
bool IsBeingWritten(const QString &file);

// "file", "folder", "registry", "muicache"; "pending", "trashed", ...
QString KindName(int kind);
QString StateName(State state);

} // namespace journal

// One run's journal as it is written: programs are added as the run reaches them, their items
// as the removal goes. Every change is written to disk before the call returns. Thread-safe;
// shared by the run's workers.
class CRunJournal {
public:
    // A new journal in `folder` (default journal::Folder()), named after the current time. Nothing
    // is written until the first program is added.
    explicit CRunJournal(const QString &folder = QString());
    ~CRunJournal();
    CRunJournal(const CRunJournal &) = delete;
    CRunJournal &operator=(const CRunJournal &) = delete;

    QString File() const { return m_run.file; }
    // The .reg file for program `program`: "<journal>-<n>.reg" beside the journal.
    QString RegBackupFile(int program) const;

    // Adds a program (its items come later); gives its index.
    int AddProgram(const journal::Program &program);
    // Records an item of a program; gives its index.
    int AddItem(int program, const journal::Item &item);
    // Changes an item: its state, where it went, why.
    void SetState(int program, int item, journal::State state, const QString &note = QString(),
                  const QString &trashPath = QString());
    void SetRegBackup(int program, const QString &fileName);
    void FinishProgram(int program);

    journal::Run Snapshot() const;
    // Whether the last write failed (the removal goes on; the log says so).
    bool WriteFailed() const;

private:
    void Save(); // with the lock held

    mutable std::mutex m_mutex;
    journal::Run m_run;
    bool m_writeFailed = false;
};
