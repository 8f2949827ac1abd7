#pragma once
// A programs page over the fake platform: programs registered in the fake registry with
// install folders on a temporary C: drive, the inventory and the main window in CUIPublic, and
// helpers to answer the page's modal dialogs and to script uninstallers.
#include "app/msgids.h"
#include "app/uipublic.h"
#include "inventory/appenum.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "programs/enumprogrampage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace fixture {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

struct Program {
    QByteArray name;
    QByteArray publisher;
    QByteArray version;
    uint32_t sizeKb = 0;
    bool installFolder = true; // create C:\Apps\<name> with a file in it
};

// Records every bus message of the ids it registered, in order.
class MsgRecorder : public CBPMsgReceiver {
public:
    explicit MsgRecorder(std::initializer_list<unsigned int> ids)
    {
        SetNotifyCentor(CBPNotifyCentor::instance());
        for (unsigned int id : ids)
            RegisterMsg(id);
    }
    int ReceiveMsg(const __MsgData &msg) override
    {
        ids.append(msg.id);
        if (onMessage)
            onMessage(msg.id);
        return 0;
    }
    int count(unsigned int id) const { return ids.count(id); }
    QList<unsigned int> ids;
    // Runs after the receivers registered earlier (the page) have handled the message.
    std::function<void(unsigned int)> onMessage;
};

// Runs `answer` on the next modal dialog of type T once it is up, from the event loop.
template <class T>
void OnNextModal(std::function<void(T *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start();
}

class PageFixture {
public:
    PageFixture()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("drive_c/Apps"));
        platform.folders.SetDrive('C', m_dir.filePath(QStringLiteral("drive_c")).toStdString());
        sharelog::SetLogFilePath(m_dir.filePath(QStringLiteral("log.txt")));
    }
    ~PageFixture()
    {
        delete host;
        delete window;
        CUIPublic::GetInstance()->SetMainWindow(nullptr);
        CUIPublic::GetInstance()->SetAppEnum(nullptr);
    }

    QString NativeInstallFolder(const QByteArray &name) const
    {
        return m_dir.filePath(QStringLiteral("drive_c/Apps/") + QString::fromLocal8Bit(name));
    }
    static QByteArray Command(const QByteArray &name) { return "C:\\Apps\\" + name + "\\uninst.exe /S"; }

    void Register(const Program &p)
    {
        const std::string key = kUninstall + p.name.toStdString();
        const auto view = pw::CFakeRegistry::View64;
        platform.registry.AddKey(pw::RegRoot::LocalMachine, view, key);
        platform.registry.SetString(pw::RegRoot::LocalMachine, view, key, "DisplayName", p.name.toStdString());
        platform.registry.SetString(pw::RegRoot::LocalMachine, view, key, "UninstallString",
                                    Command(p.name).toStdString());
        if (!p.publisher.isEmpty())
            platform.registry.SetString(pw::RegRoot::LocalMachine, view, key, "Publisher", p.publisher.toStdString());
        if (!p.version.isEmpty())
            platform.registry.SetString(pw::RegRoot::LocalMachine, view, key, "DisplayVersion", p.version.toStdString());
        if (p.sizeKb)
            platform.registry.SetDword(pw::RegRoot::LocalMachine, view, key, "EstimatedSize", p.sizeKb);
        if (p.installFolder) {
            platform.registry.SetString(pw::RegRoot::LocalMachine, view, key, "InstallLocation",
                                        ("C:\\Apps\\" + p.name).toStdString());
            QDir().mkpath(NativeInstallFolder(p.name));
            QFile file(NativeInstallFolder(p.name) + QStringLiteral("/app.exe"));
            file.open(QIODevice::WriteOnly);
            file.write("MZ");
        }
    }

    bool IsRegistered(const QByteArray &name) const
    {
        return platform.registry.HasKey(pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64,
                                        kUninstall + name.toStdString());
    }

    // The uninstaller of `name` starts and removes the program: its entry and its files.
    void ScriptRemoval(const QByteArray &name)
    {
        const std::string key = kUninstall + name.toStdString();
        const QString folder = NativeInstallFolder(name);
        platform.processes.SetScript(Command(name).toStdString(),
                                     {pw::IProcessRunner::Result{}, [this, key, folder] {
                                          platform.registry.DeleteKeyEx(pw::RootKey(pw::RegRoot::LocalMachine), key,
                                                                        pw::kKeyWow64_64Key);
                                          QFile::remove(folder + QStringLiteral("/app.exe"));
                                      }});
    }
    // The uninstaller of `name` starts, and the user cancels it: everything stays.
    void ScriptCancel(const QByteArray &name)
    {
        platform.processes.SetScript(Command(name).toStdString(), {pw::IProcessRunner::Result{}, nullptr});
    }

    // Reads the registry as start-up does, and builds the page inside a shown main window.
    void Build(const QList<Program> &programs)
    {
        for (const Program &p : programs)
            Register(p);
        inventory = std::make_unique<CAppEnum>(&platform.registry, &platform.system);
        inventory->EnumPrograms();
        CUIPublic *ui = CUIPublic::GetInstance();
        ui->SetAppEnum(inventory.get());
        ui->SetPrograms(inventory->GetPrograms());
        window = new QWidget;
        window->setWindowTitle(QStringLiteral("Vendrix Purgewell"));
        window->resize(1000, 700);
        ui->SetMainWindow(window);
        host = new QWidget(window);
        host->setGeometry(0, 32, 1000, 600);
        page = new CEnumProgramPage(0);
        host->setLayout(page);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    // Names of the rows in tree order; only the visible ones when asked.
    QStringList RowNames(bool visibleOnly = false) const
    {
        QStringList names;
        QTreeWidget *tree = page->tree();
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = tree->topLevelItem(row);
            if (!visibleOnly || !item->isHidden())
                names << item->text(CEnumProgramPage::ColNameKey);
        }
        return names;
    }

    int IndexOf(const QByteArray &name) const
    {
        const InstalledProgramList list = page->programs();
        for (int i = 0; i < list.size(); ++i)
            if (name == list.at(i).DisplayName)
                return i;
        return -1;
    }
    CEnumProgramPage::RowWidgets Row(const QByteArray &name) const { return page->rowWidgets(IndexOf(name)); }
    QString Status(const QByteArray &name) const
    {
        QLabel *status = Row(name).status;
        return status && !status->isHidden() ? status->text() : QString();
    }
    void Tick(const QByteArray &name)
    {
        QCheckBox *box = Row(name).check;
        QVERIFY(box);
        box->click();
    }

    QByteArray Log() const
    {
        QFile file(m_dir.filePath(QStringLiteral("log.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    pw::CFakePlatform platform;
    std::unique_ptr<CAppEnum> inventory;
    QPointer<QWidget> window;
    QPointer<QWidget> host;
    CEnumProgramPage *page = nullptr;

private:
    QTemporaryDir m_dir;
};

} // namespace fixture
