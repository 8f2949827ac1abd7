#pragma once
// The main window's right-hand page container. It switches pages on MSG_SWITCH_PAGE; ids
// outside 0..2 (3 means no page) and ids without a page change nothing.
#include "libs/vdxqt/bpqtwidget.h"
#include "libs/vdxqt/notifycentor.h"

class CRightTab;

class CRightContent : public CBPQtWidget, public CBPMsgReceiver {
    Q_OBJECT
public:
    explicit CRightContent(QWidget *parent = nullptr);

    int ReceiveMsg(const __MsgData &msg) override;
    void SwitchPage(int page, int b, int c);

    CRightTab *Tab() const { return m_tab; }
    int PreviousPageId() const { return m_previousPage; }

private:
    CRightTab *m_tab = nullptr;
    int m_previousPage = 0;
};
