#pragma once
// Asks before an uninstall run: the programs to remove, and whether to remove what they leave
// behind. Only OK confirms; Cancel, Escape, the title bar or MSG_CLOSE_DLG do not.
#include "inventory/installedprogram.h"
#include "widgets/basedialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class CReadyUninstallDlg : public CBaseDialog {
    Q_OBJECT
public:
    explicit CReadyUninstallDlg(QWidget *parent = nullptr);

    void SetPrograms(const InstalledProgramList &programs);
    void CreateLayout();
    bool IsConfirmed() const { return m_confirmed != 0; }
    bool IsAutoRemoveChecked() const;

    int ReceiveMsg(const __MsgData &msg) override;

    QLabel *questionLabel() const { return m_question; }
    QTreeWidget *listTree() const { return m_tree; }
    QCheckBox *autoRemoveBox() const { return m_autoRemove; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

public slots:
    void OnOKClicked();
    void OnCancelClicked();

private:
    InstalledProgramList m_programs;
    QLabel *m_question = nullptr;
    QTreeWidget *m_tree = nullptr;
    QCheckBox *m_autoRemove = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    int m_confirmed = 0;
};
