#include "libs/updatekit/httpfetch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

namespace updatekit {

bool HttpGet(const QString &url, QByteArray *body, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QCoreApplication::instance())
        return fail(QStringLiteral("no application object"));
    const QUrl target(url, QUrl::TolerantMode);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || target.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return fail(QStringLiteral("not an http(s) address: %1").arg(url));

    // One manager per call: it lives on the calling thread, which may be a short-lived worker.
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setRawHeader("Cache-Control", "no-cache");

    QNetworkReply *reply = manager.get(request);
    bool tooLarge = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (received > kMaxBodySize || total > kMaxBodySize) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool ok = false;
    QString why;
    if (tooLarge)
        why = QStringLiteral("response larger than %1 bytes").arg(kMaxBodySize);
    else if (reply->error() != QNetworkReply::NoError)
        why = reply->errorString();
    else if (status < 200 || status > 299)
        why = QStringLiteral("HTTP status %1").arg(status);
    else
        ok = true;
    if (ok)
        *body = reply->readAll();
    delete reply;
    return ok ? true : fail(why);
}

} // namespace updatekit

int DownloadToFile(const char *url, const QString &path)
{
    QByteArray body;
    if (!url || !updatekit::HttpGet(QString::fromUtf8(url), &body))
        return -1;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
        return -2;
    return 0;
}
