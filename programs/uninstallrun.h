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
#include "inventory/installedprogram.h"
#include "libs/vdxqt/notifycentor.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <cstdint>
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

    explicit CUninstallRun(QObject *parent = nullptr);
    ~CUninstallRun() override;

    // Runs `steps` in order; the product's entry, if any, must be the last. `autoRemove`:
    // remove the leftovers of every program that is gone. An empty run finishes at once.
    void Start(const QVector<Step> &steps, bool autoRemove);
    // From Start until just before finished().
    bool IsRunning() const { return m_running; }

    int RemovedCount() const { return m_removedCount; }
    int NotRemovedCount() const { return m_notRemovedCount; }
    // The sizes of the programs really removed.
    uint64_t FreedSize() const { return m_freedSize; }

    int ReceiveMsg(const __MsgData &msg) override;

signals:
    void stepStarted(int index);
    void deepCleanStarted(int index);
    void stepDone(int index, bool removed);
    // Every step is done; the counters hold the result.
    void finished();

private:
    void StartNextStep();
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
};
