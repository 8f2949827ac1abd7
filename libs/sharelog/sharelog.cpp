#include "libs/sharelog/sharelog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

std::mutex g_mutex;
QString g_path;
QFile *g_file = nullptr;

QString defaultPath()
{
#ifdef Q_OS_WIN
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/Vendrix/Purgewell");
#else
    QString state = QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME"));
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString base = state + QStringLiteral("/purgewell");
#endif
    return base + QStringLiteral("/purgewell.log");
}

// Called with the lock held.
void append(const QByteArray &line)
{
    if (!g_file) {
        if (g_path.isEmpty())
            g_path = defaultPath();
        QDir().mkpath(QFileInfo(g_path).absolutePath());
        g_file = new QFile(g_path);
        if (!g_file->open(QIODevice::WriteOnly | QIODevice::Append)) {
            delete g_file;
            g_file = nullptr;
            return; // logging never fails its caller; the next line tries again
        }
    }
    g_file->write(line);
    g_file->flush();
}

} // namespace

void LogInfo(const char *format, ...)
{
    if (!format)
        return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    QByteArray line;
    if (n > 0) {
        line.resize(n);
        std::vsnprintf(line.data(), size_t(n) + 1, format, args);
    }
    va_end(args);
    if (!line.endsWith('\n'))
        line += "\r\n";
    std::lock_guard<std::mutex> lock(g_mutex);
    append(line);
}

void LogInfoEx(const char *line)
{
    if (!line)
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    append(QByteArray(line));
}

namespace sharelog {

QString LogFilePath()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_path.isEmpty() ? defaultPath() : g_path;
}

void SetLogFilePath(const QString &path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    delete g_file;
    g_file = nullptr;
    g_path = path;
}

QByteArray TimeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss")).toLatin1();
}

QByteArray TimedLine(const char *format)
{
    char buffer[260];
    std::snprintf(buffer, sizeof buffer, format, TimeStamp().constData());
    return QByteArray(buffer);
}

} // namespace sharelog
