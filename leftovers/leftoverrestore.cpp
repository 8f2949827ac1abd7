#include "leftovers/leftoverrestore.h"

#include "inventory/appenum.h"
#include "leftovers/regexport.h"
#include "leftovers/trash.h"
#include "platform/hostdesktop.h"
#include "libs/sharelog/sharelog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

namespace {

// A backup is a few kilobytes; one much larger is not ours.
constexpr qint64 kMaxBackupBytes = 16ll * 1024 * 1024;

QString clean(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

bool startsWithKey(const QString &path, const QString &parent)
{
    return path.size() > parent.size() && path.startsWith(parent, Qt::CaseInsensitive)
           && path.at(parent.size()) == QLatin1Char('\\');
}

// Whether a key lies where a removal can have taken it from: an uninstall entry (strictly below
// an Uninstall key of either view, under the machine or the user), or the MuiCache key itself.
bool isRestorablePlace(pw::RegRoot root, const QString &below)
{
    static const QString uninstall = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    static const QString uninstall32 =
        QStringLiteral("SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    if (below.contains(QLatin1String("\\\\")) || below.endsWith(QLatin1Char('\\')))
        return false;
    if (root == pw::RegRoot::LocalMachine || root == pw::RegRoot::CurrentUser) {
        if (startsWithKey(below, uninstall) || startsWithKey(below, uninstall32))
            return true;
    }
    // What Wine's menu builder recorded for the program: values of MenuFiles, and the keys
    // directly below FileOpenAssociations.
    if (root == pw::RegRoot::CurrentUser) {
        static const QString menuFiles = QStringLiteral("Software\\Wine\\MenuFiles");
        static const QString associations = QStringLiteral("Software\\Wine\\FileOpenAssociations\\");
        if (below.compare(menuFiles, Qt::CaseInsensitive) == 0)
            return true;
        if (below.startsWith(associations, Qt::CaseInsensitive) && below.size() > associations.size()
            && !below.mid(associations.size()).contains(QLatin1Char('\\')))
            return true;
    }
    if (root == pw::RegRoot::ClassesRoot || root == pw::RegRoot::CurrentUser)
        return below.compare(QString::fromStdString(MuiCacheKey(root)), Qt::CaseInsensitive) == 0;
    return false;
}

// A native path below the user's data, config or desktop folder, named like the files Wine's menu
// builder writes (menu entries, menus, menu folders, icons, MIME packages).
bool isDesktopFilePlace(pw::IHostDesktop *desktop, const QString &path)
{
    if (!desktop || !QDir::isAbsolutePath(path) || QDir::cleanPath(path) != path)
        return false;
    static const char *const kinds[] = {".desktop", ".menu", ".directory", ".png", ".xpm", ".svg", ".xml"};
    bool named = false;
    for (const char *kind : kinds)
        named = named || path.endsWith(QLatin1String(kind));
    if (!named)
        return false;
    for (const std::string &root : {desktop->DataHome(), desktop->ConfigHome(), desktop->DesktopFolder()}) {
        const QString folder = QDir::cleanPath(QString::fromStdString(root));
        if (!root.empty() && folder != QLatin1String("/") && path.startsWith(folder + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool valueExists(pw::IRegistry &reg, pw::RegKey key, const std::string &name)
{
    uint32_t type = 0, size = 0;
    const pw::WinError e = reg.QueryValue(key, name.c_str(), &type, nullptr, &size);
    return e == pw::kErrorSuccess || e == pw::kErrorMoreData;
}

struct RegistryTally {
    int written = 0;
    int taken = 0;
    int failed = 0;
};

} // namespace

QString RestoreOutcomeName(RestoreOutcome outcome)
{
    switch (outcome) {
    case RestoreOutcome::Restored: return QStringLiteral("restored");
    case RestoreOutcome::AlreadyRestored: return QStringLiteral("already restored");
    case RestoreOutcome::NotInTrash: return QStringLiteral("not in the trash");
    case RestoreOutcome::Taken: return QStringLiteral("taken");
    case RestoreOutcome::Refused: return QStringLiteral("refused");
    case RestoreOutcome::Failed: return QStringLiteral("failed");
    case RestoreOutcome::NotRestorable: return QStringLiteral("not restorable");
    }
    return QString();
}

RestoreResult RestoreProgram(const QString &journalFile, int programIndex, const pw::Platform &platform,
                             const QString &openPrefix)
{
    RestoreResult result;
    if (journal::IsBeingWritten(journalFile)) {
        result.problem = QStringLiteral("the run of this journal is still going on");
        return result;
    }
    journal::Run run = journal::Read(journalFile);
    if (!run.problem.isEmpty()) {
        result.problem = run.problem;
        return result;
    }
    if (programIndex < 0 || programIndex >= run.programs.size()) {
        result.problem = QStringLiteral("the journal has no such program");
        return result;
    }
    journal::Program &program = run.programs[programIndex];
    if (!program.problem.isEmpty()) {
        result.problem = program.problem;
        return result;
    }
    if (!program.prefix.isEmpty()) {
        const QString prefix = clean(program.prefix);
        if (!QFileInfo(prefix + QStringLiteral("/drive_c")).isDir()) {
            result.problem = QStringLiteral("the Wine prefix %1 no longer exists").arg(prefix);
            return result;
        }
        const QString open = clean(openPrefix);
        if (QFileInfo(prefix).canonicalFilePath() != QFileInfo(open).canonicalFilePath()) {
            result.problem = QStringLiteral("the program belongs to the Wine prefix %1").arg(prefix);
            result.otherPrefix = prefix;
            return result;
        }
    }

    QVector<int> outcomes(program.items.size(), -1);
    QVector<QString> details(program.items.size());
    const auto settle = [&](int i, RestoreOutcome outcome, const QString &detail = QString()) {
        outcomes[i] = int(outcome);
        details[i] = detail;
    };

    // Files and folders, in the order they went.
    for (int i = 0; i < program.items.size(); ++i) {
        const journal::Item &item = program.items[i];
        if (item.kind != LeftoverFile && item.kind != LeftoverFolder && item.kind != LeftoverDesktopFile)
            continue;
        if (!item.problem.isEmpty()) {
            settle(i, RestoreOutcome::Refused, item.problem);
            continue;
        }
        if (item.restore == journal::Restore::Restored) {
            settle(i, RestoreOutcome::AlreadyRestored);
            continue;
        }
        if (item.state != journal::State::Trashed) {
            settle(i, RestoreOutcome::NotRestorable, journal::StateName(item.state));
            continue;
        }
        // The place must be the one the platform gives the Windows path the removal named; a file
        // of the Linux desktop goes back only into the user's folders the menu builder writes to.
        const QString expected =
            item.kind == LeftoverDesktopFile ? (isDesktopFilePlace(platform.hostDesktop, item.path) ? item.path : QString())
            : platform.folders ? QString::fromStdString(platform.folders->ToNativePath(item.path.toStdString()))
                               : QString();
        if (item.native.isEmpty() || !QDir::isAbsolutePath(item.native) || expected.isEmpty()
            || QString::compare(clean(expected), clean(item.native), trash::kPathCase) != 0) {
            settle(i, RestoreOutcome::Refused, QStringLiteral("the journal names another place for %1").arg(item.path));
            continue;
        }
        QString error;
        switch (trash::PutBack(item.trashPath, item.native, &error)) {
        case trash::PutBackResult::Done: settle(i, RestoreOutcome::Restored); break;
        case trash::PutBackResult::Taken: settle(i, RestoreOutcome::Taken, error); break;
        case trash::PutBackResult::NotInTrash:
            settle(i, error == QLatin1String("not a place in a trash") ? RestoreOutcome::Refused
                                                                        : RestoreOutcome::NotInTrash,
                   error);
            break;
        case trash::PutBackResult::Failed: settle(i, RestoreOutcome::Failed, error); break;
        }
    }

    // Registry items: from the backup, under the places they were removed from.
    QVector<int> registryItems;
    for (int i = 0; i < program.items.size(); ++i) {
        const journal::Item &item = program.items[i];
        if (item.kind != LeftoverRegistry && item.kind != LeftoverMuiCache)
            continue;
        if (!item.problem.isEmpty())
            settle(i, RestoreOutcome::Refused, item.problem);
        else if (item.restore == journal::Restore::Restored)
            settle(i, RestoreOutcome::AlreadyRestored);
        else if (item.state != journal::State::Deleted)
            settle(i, RestoreOutcome::NotRestorable, journal::StateName(item.state));
        else if (item.kind == LeftoverRegistry
                 && (!isRestorablePlace(pw::RegRoot(item.root), item.path)
                     || (item.view != 0 && item.view != pw::kKeyWow64_32Key && item.view != pw::kKeyWow64_64Key)))
            settle(i, RestoreOutcome::Refused, QStringLiteral("no removal takes %1").arg(item.path));
        else
            registryItems.append(i);
    }
    pw::IRegistry *reg = platform.registry;
    std::vector<RegExportKey> keys;
    QString backupProblem;
    if (!registryItems.isEmpty()) {
        const QString backup = QFileInfo(journalFile).dir().filePath(program.regBackup);
        QFile f(backup);
        if (program.regBackup.isEmpty())
            backupProblem = QStringLiteral("there is no registry backup");
        else if (!reg)
            backupProblem = QStringLiteral("no registry");
        else if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxBackupBytes)
            backupProblem = QStringLiteral("the registry backup cannot be read");
        else if (!ParseRegExportText(f.read(kMaxBackupBytes), &keys, &backupProblem))
            backupProblem = QStringLiteral("the registry backup is damaged: %1").arg(backupProblem);
    }
    std::map<int, RegistryTally> tally;
    if (backupProblem.isEmpty() && reg) {
        // Where each item lies in the backup's own naming (a 32-bit key by its real path).
        struct Place {
            int index;
            pw::RegRoot root;
            QString key;   // full path, as the backup names it
            QString value; // a single value; empty for a whole key
            bool wholeKey;
        };
        QVector<Place> places;
        for (int i : registryItems) {
            const journal::Item &item = program.items[i];
            Place place{i, pw::RegRoot(item.root), QString(), QString(), false};
            if (item.kind == LeftoverMuiCache) {
                place.root = item.root == uint32_t(pw::RegRoot::CurrentUser) ? pw::RegRoot::CurrentUser
                                                                               : pw::RegRoot::ClassesRoot;
                place.key = QString::fromLocal8Bit(
                    RegExportKeyPath(*reg, place.root, 0, MuiCacheKey(place.root)).c_str());
                place.value = item.path;
            } else {
                place.key = QString::fromLocal8Bit(
                    RegExportKeyPath(*reg, place.root, item.view, item.path.toLocal8Bit().toStdString()).c_str());
                place.value = item.value;
                place.wholeKey = item.value.isEmpty();
            }
            places.append(place);
        }
        for (const RegExportKey &key : keys) {
            const QString full = QString::fromLocal8Bit(key.path.c_str());
            pw::RegRoot root;
            std::string belowStd;
            SplitRegExportPath(key.path, &root, &belowStd);
            const QString below = QString::fromLocal8Bit(belowStd.c_str());
            // The journal items this key belongs to: the removed key it lies in, or removed
            // values of exactly this key.
            const Place *keyOwner = nullptr;
            QVector<const Place *> valueOwners;
            for (const Place &place : places) {
                if (place.root != root)
                    continue;
                const bool same = full.compare(place.key, Qt::CaseInsensitive) == 0;
                if (place.wholeKey && (same || startsWithKey(full, place.key))) {
                    if (!keyOwner || place.key.size() > keyOwner->key.size())
                        keyOwner = &place;
                } else if (!place.wholeKey && same) {
                    valueOwners.append(&place);
                }
            }
            const Place *anchor = keyOwner ? keyOwner : valueOwners.value(0, nullptr);
            if (!anchor || !isRestorablePlace(root, below)) {
                journal::Item refused;
                refused.kind = LeftoverRegistry;
                refused.path = full;
                result.items.append({refused, RestoreOutcome::Refused,
                                     QStringLiteral("the backup names a key that was not removed here")});
                ++result.notRestored;
                continue;
            }
            const journal::Item &item = program.items[anchor->index];
            // Written through the view the item was removed from, at its own path.
            std::string target;
            uint32_t view = 0;
            if (item.kind == LeftoverMuiCache) {
                target = MuiCacheKey(anchor->root);
            } else {
                target = item.path.toLocal8Bit().toStdString() + full.mid(anchor->key.size()).toLocal8Bit().toStdString();
                view = item.view;
            }
            pw::RegKey handle = 0;
            if (reg->CreateKey(pw::RootKey(root), target, pw::kKeyAllAccess | view, &handle) != pw::kErrorSuccess) {
                ++tally[anchor->index].failed;
                continue;
            }
            pw::RegKeyGuard guard(*reg, handle);
            for (const RegExportKey::Value &v : key.values) {
                const QString name = QString::fromLocal8Bit(v.name.c_str());
                const Place *owner = nullptr;
                for (const Place *place : valueOwners)
                    if (name.compare(place->value, Qt::CaseInsensitive) == 0)
                        owner = place;
                if (!owner)
                    owner = keyOwner;
                if (!owner)
                    continue; // only the values that were removed
                RegistryTally &t = tally[owner->index];
                if (valueExists(*reg, handle, v.name)) {
                    ++t.taken;
                    continue;
                }
                if (reg->SetValue(handle, v.name.c_str(), v.type, v.data.data(), uint32_t(v.data.size()))
                    == pw::kErrorSuccess)
                    ++t.written;
                else
                    ++t.failed;
            }
            if (keyOwner && key.values.empty())
                ++tally[keyOwner->index].written; // an empty key is back by being there
        }
    }
    for (int i : registryItems) {
        if (!backupProblem.isEmpty()) {
            settle(i, RestoreOutcome::Failed, backupProblem);
            continue;
        }
        const auto it = tally.find(i);
        if (it == tally.end())
            settle(i, RestoreOutcome::NotRestorable, QStringLiteral("not in the registry backup"));
        else if (it->second.failed)
            settle(i, RestoreOutcome::Failed, QStringLiteral("the registry refused %1 value(s)").arg(it->second.failed));
        else if (it->second.written)
            settle(i, RestoreOutcome::Restored,
                   it->second.taken ? QStringLiteral("%1 value(s) that exist now left as they are").arg(it->second.taken)
                                    : QString());
        else
            settle(i, RestoreOutcome::Taken, QStringLiteral("the values exist now"));
    }

    // The journal records what came back; the result lists every item.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < program.items.size(); ++i) {
        journal::Item &item = program.items[i];
        if (outcomes[i] < 0)
            continue;
        const RestoreOutcome outcome = RestoreOutcome(outcomes[i]);
        if (outcome == RestoreOutcome::Restored) {
            item.restore = journal::Restore::Restored;
            item.restoredAt = now;
            item.restoreNote = details[i];
            ++result.restored;
            if ((item.kind == LeftoverRegistry) && item.value.isEmpty() && item.root == program.entryRoot
                && item.path.compare(program.entryKey, Qt::CaseInsensitive) == 0)
                result.entryBack = true;
        } else if (outcome != RestoreOutcome::AlreadyRestored && outcome != RestoreOutcome::NotRestorable) {
            item.restore = journal::Restore::NotRestored;
            item.restoreNote = RestoreOutcomeName(outcome) + (details[i].isEmpty() ? QString() : QStringLiteral(": ") + details[i]);
            ++result.notRestored;
        }
        result.items.append({item, outcome, details[i]});
    }
    QString error;
    if (!journal::Write(run, &error))
        LogInfo("The journal %s cannot be brought up to date: %s", journalFile.toLocal8Bit().constData(),
                error.toLocal8Bit().constData());
    LogInfo("Restore of %s from %s: %d item(s) back, %d not", program.name.toLocal8Bit().constData(),
            journalFile.toLocal8Bit().constData(), result.restored, result.notRestored);
    return result;
}
