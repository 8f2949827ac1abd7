#pragma once
// The shared log: one file per user, appended to by every thread of the process.
// Linux: $XDG_STATE_HOME/purgewell/purgewell.log (default ~/.local/state/purgewell/).
// Windows: purgewell.log in the local application-data folder, "Vendrix\Purgewell".
#include <QString>

// A printf-style line; a line break is added when the text has none.
void LogInfo(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// A finished line, written as it is.
void LogInfoEx(const char *line);

namespace sharelog {
// Where lines go; tests may point the log elsewhere before the first line is written.
QString LogFilePath();
void SetLogFilePath(const QString &path);
// The current local time as the timed lines carry it: "yyyy.MM.dd hh:mm:ss".
QByteArray TimeStamp();
// Formats a timed line into at most 259 characters ("...%s..." takes the time stamp).
QByteArray TimedLine(const char *format);
} // namespace sharelog
