#pragma once
// Web links (the help, support and product pages, the download page) open in the desktop's
// browser. Every opener hands the link over the same way: read leniently and passed on fully
// percent-encoded, so that spaces and non-ASCII characters survive whatever code page the
// desktop (the shell on Windows, xdg-open on Linux) reads it in.
#include <QString>
#include <QUrl>

// Opens it through the platform's desktop services (the shell's "open" on Windows, the
// desktop's handler on Linux); before a platform is chosen there is nothing to open it with.
void OpenLink(const QString &link);
void OpenLink(const QUrl &url);
