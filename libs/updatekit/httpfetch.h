#pragma once
// Blocking HTTP(S) download for the updater, usable from any thread, GUI thread included
// (it runs a local event loop). Redirects are followed unless they lead from https to http.
#include <QByteArray>
#include <QString>

namespace updatekit {

// Largest body accepted; the update files are a few hundred bytes.
constexpr qint64 kMaxBodySize = 256 * 1024;
// A transfer that makes no progress for this long is given up.
constexpr int kTransferTimeoutMs = 20000;

// GETs `url` into `body`. False on a bad URL, a network error, an HTTP status other than 2xx,
// a body over kMaxBodySize, or a timeout; `error` then says why.
bool HttpGet(const QString &url, QByteArray *body, QString *error = nullptr);

} // namespace updatekit

// Downloads `url` into the file `path`, replacing it only when the whole download succeeded
// (the file is written beside itself, then renamed over the old one). Returns 0 on success,
// negative when the download failed (-1) or the file could not be written (-2).
int DownloadToFile(const char *url, const QString &path);
