#pragma once
// One uninstall run: the programs the user confirmed, one after another, each on a worker
// thread of its own (leftovers/uninstallworker.h), with a one-second pause between two, counting
// what was really removed. The run knows no row and no widget: its signals tell the page what
// to show, and the page locks and labels its rows.
//
// Two entries are easily confused here. The *product's entry* is this program's own uninstall
// entry: when the user ticks it, it runs last, without waiting, and the product then quits. The
// *removed program's entry* is the entry of the program a step uninstalls; the worker looks for
// it after the uninstaller has ended to learn whether the program is gone.
//
// What the uninstaller says counts too: an exit code that asks for a restart is collected for
// the result (RestartNames), one that says the user cancelled makes the step "not removed"
// whatever the registry shows. An entry whose uninstaller file is gone (a dead entry) is put to
// the owner through the dead-entry question; on yes the run cleans that one program as a
// leftover (its entry included) and counts it removed, on no (or without a question) it is not
// removed and nothing is touched.
#include "inventory/installedprogram.h"
#include "leftovers/removaljournal.h"
#include "libs/vdxqt/notifycentor.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;
struct UninstallJob;

namespace pw {
struct Platform;
}

// Whether `entry` is the product's entry: it bears the product's name (`productName`, alone or
// followed by a space and more, such as a version) and its uninstaller lies in the product's own
// folder (`productFolder`, a native path) as `platform` maps it. A name that merely contains the
// product's name, or a copy of the product installed elsewhere, is a program like any other.
bool IsProductEntry(const InstalledProgram &entry, const QString &productName, const QString &productFolder,
                    const pw::Platform &platform);

// How leftovers are removed, as the settings say (group "Main", key "LeftoverRemoval" of
// "userconfig" over "uiconfig" in `folder`, default the program folder): "delete" deletes them
// for good; "trash", no value or any other value moves them to the trash.
RemovalMode LeftoverRemovalSetting(const QString &folder = QString());

class CUninstallRun : public QObject, public CBPMsgReceiver {
    Q_OBJECT
public:
    // The pause between two programs of a run.
    static constexpr int kStepPauseMs = 1000;

    struct Step {
        int index = -1; // the record's index, for the page's signals
        InstalledProgram program;
        bool isProduct = false; // the product's entry: started without waiting, then quit
    };

    // Asked, on the GUI thread, when `program`'s uninstaller is missing: whether to remove its
    // entry and what it left behind. It may run a modal dialog.
    using DeadEntryQuestion = std::function<bool(const InstalledProgram &program)>;

    explicit CUninstallRun(QObject *parent = nullptr);
    ~CUninstallRun() override;

    void SetDeadEntryQuestion(DeadEntryQuestion question) { m_deadEntryQuestion = std::move(question); }
    // How the next runs remove leftovers (default: to the trash) and, on Linux, the Wine prefix
    // they work in, which the run's journal names. Each run writes one journal
    // (leftovers/removaljournal.h) in `journalFolder` (default: beside the log).
    void SetRemoval(RemovalMode mode, const QString &prefix, const QString &journalFolder = QString())
    {
        m_removalMode = mode;
        m_prefix = prefix;
        m_journalFolder = journalFolder;
    }

    // Runs `steps` in order; the product's entry, if any, must be the last. `autoRemove`:
    // remove the leftovers of every program that is gone. An empty run finishes at once.
    void Start(const QVector<Step> &steps, bool autoRemove);
    // From Start until just before finished().
    bool IsRunning() const { return m_running; }

    int RemovedCount() const { return m_removedCount; }
    int NotRemovedCount() const { return m_notRemovedCount; }
    // The sizes of the programs really removed.
    uint64_t FreedSize() const { return m_freedSize; }
    // The names of the programs whose uninstaller asked for a restart, in run order.
    QStringList RestartNames() const { return m_restartNames; }
    // How many leftovers of the run went to the trash, and the run's journal (empty before the
    // first run).
    int TrashedCount() const { return m_trashedCount; }
    QString JournalFile() const { return m_journalFile; }

    int ReceiveMsg(const __MsgData &msg) override;

signals:
    void stepStarted(int index);
    void deepCleanStarted(int index);
    void stepDone(int index, bool removed);
    // Every step is done; the counters hold the result.
    void finished();

private:
    void StartNextStep();
    void StartJob(std::shared_ptr<UninstallJob> job);
    void StepDone();

    QVector<Step> m_steps;
    int m_next = 0;
    int m_current = -1;
    bool m_autoRemove = false;
    bool m_running = false;
    std::shared_ptr<UninstallJob> m_job;
    QTimer *m_pauseTimer;
    int m_removedCount = 0;
    int m_notRemovedCount = 0;
    uint64_t m_freedSize = 0;
    QStringList m_restartNames;
    DeadEntryQuestion m_deadEntryQuestion;
    RemovalMode m_removalMode = RemovalMode::Trash;
    QString m_prefix;
    QString m_journalFolder;
    std::shared_ptr<CRunJournal> m_journal; // while the run goes on
    QString m_journalFile;
    int m_trashedCount = 0;
};
