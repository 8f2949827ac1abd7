#pragma once
// A programs page on the test machine of the leftover tests: programs registered in the fake
// registry with install folders and user data on its C: drive, the inventory and the main window in CUIPublic, and
// helpers to answer the page's modal dialogs and to script uninstallers.
#include "shell/msgids.h"
#include "shell/uipublic.h"
#include "inventory/appenum.h"
#include "libs/sharelog/sharelog.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "libs/vdxqt/notifycentor.h"
#include "platform/fake/fakeplatform.h"
#include "programs/enumprogrampage.h"
#include "leftovers/machine.h"

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

using namespace test;

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

// Answers every modal dialog of type T that comes up while it lives, from the event loop, and
// counts them; unlike OnNextModal it stops when it goes out of scope, so a question that must
// not come is caught and never left for a later test to meet.
template <class T>
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(T *)> answer) : m_answer(std::move(answer))
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || dialog == m_answering)
                return;
            m_answering = dialog;
            ++m_count;
            m_answer(dialog);
        });
        m_poll.start();
    }
    int count() const { return m_count; }

private:
    std::function<void(T *)> m_answer;
    QTimer m_poll;
    QPointer<T> m_answering;
    int m_count = 0;
};

class PageFixture : public test::Machine {
public:
    // The product's own entry: its uninstaller lies in the product's folder, which is the test
    // program's folder, reached as drive V:. Nothing is ever written there.
    static constexpr const char *kProductName = "Vendrix Purgewell";
    static constexpr const char *kProductCommand = "\"V:\\Vendrix\\uninst.exe\" /S";

    PageFixture()
    {
        sharelog::SetLogFilePath(tmp.filePath(QStringLiteral("log.txt")));
        fake.folders.SetDrive('V', QCoreApplication::applicationDirPath().toStdString());
    }
    ~PageFixture()
    {
        delete host;
        delete window;
        CUIPublic::GetInstance()->SetMainWindow(nullptr);
        CUIPublic::GetInstance()->SetAppEnum(nullptr);
    }

    static QString InstallFolder(const QByteArray &name)
    {
        return QStringLiteral("C:\\Program Files\\") + QString::fromLocal8Bit(name);
    }
    static QString RoamingFolder(const QByteArray &name)
    {
        return QStringLiteral("C:\\Users\\Ann\\AppData\\Roaming\\") + QString::fromLocal8Bit(name);
    }
    static QByteArray Command(const QByteArray &name)
    {
        if (name == kProductName)
            return kProductCommand;
        return "\"" + InstallFolder(name).toLocal8Bit() + "\\uninst.exe\" /S";
    }

    // An installed program: its entry, its files, and user data an uninstaller leaves behind.
    void Register(const Program &p)
    {
        Values extra;
        if (!p.publisher.isEmpty())
            extra << qMakePair(QByteArray("Publisher"), p.publisher);
        if (!p.version.isEmpty())
            extra << qMakePair(QByteArray("DisplayVersion"), p.version);
        if (p.installFolder)
            extra << qMakePair(QByteArray("InstallLocation"), InstallFolder(p.name).toLocal8Bit());
        entry(p.name, p.name, Command(p.name), extra);
        if (p.sizeKb)
            fake.registry.SetDword(pw::RegRoot::LocalMachine, pw::CFakeRegistry::View64,
                                   kUninstall + p.name.toStdString(), "EstimatedSize", p.sizeKb);
        if (p.installFolder) {
            file(InstallFolder(p.name) + QStringLiteral("\\app.exe"));
            file(InstallFolder(p.name) + QStringLiteral("\\uninst.exe"));
            file(InstallFolder(p.name) + QStringLiteral("\\user.cfg"));
            file(RoamingFolder(p.name) + QStringLiteral("\\state.dat"));
        }
    }

    bool IsRegistered(const QByteArray &name) const { return hasEntry(name); }

    // The uninstaller of `name` starts and removes the program: its entry and the files it
    // installed; the user's files stay behind as leftovers. It ends with `exitCode`.
    void ScriptRemoval(const QByteArray &name, uint32_t exitCode = 0)
    {
        fake.processes.SetScript(Command(name).toStdString(), {pw::IProcessRunner::Result{0, exitCode, {}}, [this, name] {
                                     removeEntry(name);
                                     QFile::remove(native(InstallFolder(name) + QStringLiteral("\\app.exe")));
                                     QFile::remove(native(InstallFolder(name) + QStringLiteral("\\uninst.exe")));
                                 }});
    }
    // The uninstaller of `name` starts, and the user cancels it: everything stays.
    void ScriptCancel(const QByteArray &name, uint32_t exitCode = 0)
    {
        fake.processes.SetScript(Command(name).toStdString(), {pw::IProcessRunner::Result{0, exitCode, {}}, nullptr});
    }
    // The uninstaller file of `name` is gone (deleted by hand, a broken uninstall): its command
    // cannot start, and the entry is dead.
    void DeleteUninstaller(const QByteArray &name)
    {
        QVERIFY(QFile::remove(native(InstallFolder(name) + QStringLiteral("\\uninst.exe"))));
    }

    // Reads the registry as start-up does, and builds the page inside a shown main window.
    void Build(const QList<Program> &programs)
    {
        for (const Program &p : programs)
            Register(p);
        inventory = std::make_unique<CAppEnum>(&fake.registry, &fake.system);
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
        QFile file(tmp.filePath(QStringLiteral("log.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<CAppEnum> inventory;
    QPointer<QWidget> window;
    QPointer<QWidget> host;
    CEnumProgramPage *page = nullptr;
};

} // namespace fixture
