#pragma once
// The programs page, id 0, as the page container hosts it: a plain read-only list of the
// programs read at start-up. The full page (sorting, search, selection, uninstall) replaces
// this class under the same name.
#include "app/rightcontentbase.h"
#include "libs/vdxqt/notifycentor.h"

#include <QVBoxLayout>

class QLabel;
class QTreeWidget;

class CEnumProgramPage : public QVBoxLayout, public CRightContentBase, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CEnumProgramPage(QWidget *parent = nullptr);

    int ReceiveMsg(const __MsgData &msg) override;
    void CreateTree();

private:
    QLabel *m_countLabel = nullptr;
    QTreeWidget *m_tree = nullptr;
};
