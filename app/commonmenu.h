#pragma once
// The option menu behind the main title bar's menu button: support links, the Restore window
// (what leftover removals moved to the trash), the update check and the About box. The title bar creates one per press, pops it up and destroys it.
#include "libs/vdxqt/notifycentor.h"

#include <QMap>
#include <QObject>
#include <QVariantList>

class CStyleMenu;
class QAction;
class QWidgetAction;

class CCommonMenu : public QObject, public CBPMsgReceiver {
    Q_OBJECT
public:
    enum EntryId {
        ID_SUPPORT_CENTER = 8193,
        ID_USER_GUIDE = 8194,
        ID_SCRUBWELL = 8195,
        ID_CHECK_UPDATE = 8196,
        ID_ABOUT = 8197,
        ID_RESTORE = 8198,
    };
    enum PopupKind { POPUP_OPTION = 2 };

    explicit CCommonMenu(CBPMsgReceiver *owner, QObject *parent = nullptr);
    ~CCommonMenu() override;

    // Kind 2 runs the option menu at the cursor, on whichever screen that is, until it closes
    // and returns the chosen action (null when none was chosen). Other kinds show nothing.
    QAction *Popup(int kind, int x, int y, const QVariantList &list);

    CStyleMenu *OptionMenu() const { return m_optionMenu; }
    QWidgetAction *Action(int id) const { return m_actions.value(id); }
    int LastPopupKind() const { return m_kind; }

    // Makes the main title bar's menu button open this menu.
    static void Install();

public slots:
    void OnOptionMenuTriggered(QAction *action);

private:
    void OpenSettingsLink(const QString &key);
    void RunAbout();
    void RunRestore();
    void RunUpdateCheck();

    CBPMsgReceiver *m_owner;
    CStyleMenu *m_optionMenu;
    QMap<int, QWidgetAction *> m_actions;
    int m_x = -1;
    int m_y = -1;
    QVariantList m_list;
    int m_kind = 3;
};
