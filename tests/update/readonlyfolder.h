#pragma once
// A folder that the calling thread (and threads it starts afterwards) cannot write into, even
// when the tests run as root: root's override of file permissions is dropped for the thread.
#include <QDir>
#include <QFile>
#include <QString>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

class CReadOnlyFolder {
public:
    explicit CReadOnlyFolder(const QString &path) : m_path(path)
    {
#ifdef __linux__
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_header.pid = 0;
        if (syscall(SYS_capget, &m_header, m_saved) == 0) {
            __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
            lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
        }
#endif
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    }
    ~CReadOnlyFolder()
    {
#ifdef __linux__
        if (m_lowered)
            syscall(SYS_capset, &m_header, m_saved);
#endif
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    CReadOnlyFolder(const CReadOnlyFolder &) = delete;
    CReadOnlyFolder &operator=(const CReadOnlyFolder &) = delete;

    // False where the folder stays writable (a system that ignores the permissions).
    bool isReadOnly() const
    {
        QFile probe(QDir(m_path).filePath(QStringLiteral(".probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            return false;
        }
        return true;
    }

private:
    QString m_path;
#ifdef __linux__
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
#endif
};
