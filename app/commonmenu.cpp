#include "app/commonmenu.h"

#include "about/aboutdlg.h"
#include "shell/configreader.h"
#include "shell/linkopener.h"
#include "shell/msgids.h"
#include "shell/uipublic.h"
#include "libs/vdxqt/bpstylemenuitem.h"
#include "update/checkupdate.h"
#include "update/updaterstdlg.h"
#include "app/stylemenu.h"
#include "leftovers/removaljournal.h"
#include "platform/default/defaultplatform.h"
#include "programs/restoredlg.h"
#include "widgets/windowtitle.h"

#include <QCursor>
#include <QUrl>
#include <QWidgetAction>

namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint;

} // namespace

CCommonMenu::CCommonMenu(CBPMsgReceiver *owner, QObject *parent)
    : QObject(parent), m_owner(owner), m_optionMenu(new CStyleMenu)
{
    const QList<QPair<int, QString>> entries = {
        {ID_SUPPORT_CENTER, tr("Support Center")},
        {ID_USER_GUIDE, tr("User Guide")},
        {ID_SCRUBWELL, tr("Scrubwell")},
        {ID_RESTORE, tr("Restore Removed Items...")},
        {ID_CHECK_UPDATE, tr("Check Update")},
        {ID_ABOUT, tr("About")},
    };
    for (const auto &entry : entries) {
        auto *action = new QWidgetAction(this);
        auto *item = new CBPStyleMenuItem(entry.second, QString());
        item->setMinimumWidth(125);
        action->setDefaultWidget(item);
        action->setText(entry.second);
        action->setData(entry.first);
        m_actions.insert(entry.first, action);
    }

    m_optionMenu->setContentsMargins(5, 0, 0, 0);
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(18);
    font.setBold(true);
    for (const auto &entry : entries) {
        QWidgetAction *action = m_actions.value(entry.first);
        m_optionMenu->addAction(action);
        action->setFont(font);
    }
    connect(m_optionMenu, &QMenu::triggered, this, &CCommonMenu::OnOptionMenuTriggered);
}

CCommonMenu::~CCommonMenu()
{
    delete m_optionMenu;
}

QAction *CCommonMenu::Popup(int kind, int x, int y, const QVariantList &list)
{
    m_x = x;
    m_y = y;
    m_list = list;
    m_kind = kind;
    if (kind != POPUP_OPTION)
        return nullptr;
    // A screen left of or above the primary one has negative coordinates: the menu opens there
    // like anywhere else.
    QPoint at = QCursor::pos();
    at.ry() += 120;
    return m_optionMenu->exec(at, m_actions.value(ID_ABOUT));
}

void CCommonMenu::OnOptionMenuTriggered(QAction *action)
{
    if (!action)
        return;
    const int id = m_actions.key(qobject_cast<QWidgetAction *>(action), 0);
    switch (id) {
    case ID_SUPPORT_CENTER:
        OpenSettingsLink(QStringLiteral("ID_LINK_SUPPORT"));
        break;
    case ID_USER_GUIDE:
        OpenSettingsLink(QStringLiteral("ID_LINK_HELP"));
        break;
    case ID_SCRUBWELL:
        OpenSettingsLink(QStringLiteral("ID_LINK_SE"));
        break;
    case ID_CHECK_UPDATE:
        RunUpdateCheck();
        break;
    case ID_ABOUT:
        RunAbout();
        break;
    case ID_RESTORE:
        RunRestore();
        break;
    default:
        break;
    }
    CUIPublic::GetInstance()->SetPage(PAGE_NONE, 0, 0);
}

void CCommonMenu::OpenSettingsLink(const QString &key)
{
    QVariant value;
    ReadConfigValue(QStringLiteral("URL"), key, value, QStringLiteral("uiconfig"));
    OpenLink(value.toString());
}

void CCommonMenu::RunAbout()
{
    // Parented to the main window, the box stays its hidden child after it has closed.
    auto *about = new CAboutDlg(CUIPublic::GetInstance()->GetMainWindow());
    about->setWindowFlags(kDialogFlags);
    about->BuildContent();
    about->exec();
}

void CCommonMenu::RunRestore()
{
    auto *restore = new CRestoreDlg(CUIPublic::GetInstance()->GetMainWindow());
    restore->setWindowFlags(kDialogFlags);
    // Restores act on the prefix the programs page has open (Linux).
    restore->SetSource(journal::Folder(), pw::CurrentPlatform(), pw::CurrentDefaultPrefix().path);
    restore->BuildContent();
    restore->exec();
    delete restore;
}

void CCommonMenu::RunUpdateCheck()
{
    QWidget *mainWindow = CUIPublic::GetInstance()->GetMainWindow();
    auto *check = new CheckUpdate(mainWindow);
    check->setWindowFlags(kDialogFlags);
    check->StartCheck();
    check->exec();
    const QString text = check->ResultText();
    const int failed = check->IsFailed();
    const int newVersion = check->HasNewVersion();
    const UpgradeInfo upgrade = check->Upgrade();
    delete check;

    auto *result = new CUpdateRstDlg(542, 372, mainWindow);
    result->setWindowFlags(kDialogFlags);
    result->SetContent(text, failed, newVersion, upgrade);
    result->exec();
    delete result;
}

void CCommonMenu::Install()
{
    CWindowTitle::SetMenuHandler([](CWindowTitle *owner) {
        CCommonMenu menu(owner);
        menu.Popup(POPUP_OPTION, -1, -1, QVariantList());
    });
}
