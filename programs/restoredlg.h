#pragma once
// The Restore window, opened from the option menu: the runs of the removal journal, newest
// first, each program of a run with its date, Wine prefix (Linux), item count and size, and a
// Restore button. A restore runs on a thread of its own (leftovers/leftoverrestore.h); its result
// (what came back, what did not and why) is shown in the window, and a restore that brought
// anything back asks the programs page to read the list again (MSG_REFRESH_PAGE). A journal that
// cannot be read is listed with the reason, never restored from.
#include "leftovers/leftoverrestore.h"
#include "platform/platform.h"
#include "widgets/basedialog.h"

#include <QString>
#include <QVector>

#include <memory>

class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;

class CRestoreDlg : public CBaseDialog {
    Q_OBJECT
public:
    explicit CRestoreDlg(QWidget *parent = nullptr);
    ~CRestoreDlg() override;

    // Where the journals are (default: beside the log), the platform restores go through and
    // the Wine prefix it works in (Linux; empty on Windows). Call before BuildContent().
    void SetSource(const QString &journalFolder, const pw::Platform &platform, const QString &openPrefix);
    // Reads the journals and builds the list; call once, before exec().
    void BuildContent();

    // The list's rows: one per program of a readable run, one per journal that is not.
    QTreeWidget *runList() const { return m_list; }
    // The Restore button of row `row`, null for a row without one.
    QPushButton *restoreButton(int row) const;
    QTextEdit *resultView() const { return m_result; }
    QLabel *emptyLabel() const { return m_empty; }
    // A restore is running.
    bool IsRestoring() const { return m_restoring; }

    // The text the window shows for a restore's result.
    static QString ResultText(const QString &program, const RestoreResult &result);

    int ReceiveMsg(const __MsgData &msg) override;

signals:
    // A restore has ended and its result is shown.
    void restoreFinished();

private:
    struct Row {
        QString file;
        int program = -1;
        QString name;
    };
    void StartRestore(int row);
    void FinishRestore(int row, const RestoreResult &result);
    void FillList();

    QString m_folder;
    pw::Platform m_platform;
    QString m_openPrefix;
    QVector<Row> m_rows;
    QVector<QPushButton *> m_buttons;
    QTreeWidget *m_list = nullptr;
    QTextEdit *m_result = nullptr;
    QLabel *m_empty = nullptr;
    bool m_restoring = false;
};
