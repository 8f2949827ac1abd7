#pragma once
// A small HTTP server on 127.0.0.1 for tests, answering from its own thread so that blocking
// clients on the test's thread are served too. Unknown paths get 404.
#include <QByteArray>
#include <QEventLoop>
#include <QHash>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QPointer>
#include <QThread>

#include <future>
#include <memory>

class CLocalHttpServer {
public:
    CLocalHttpServer()
    {
        auto ready = std::make_shared<std::promise<quint16>>();
        std::future<quint16> port = ready->get_future();
        m_thread = QThread::create([this, ready] {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
                while (QTcpSocket *socket = server.nextPendingConnection())
                    serve(socket);
            });
            m_context = &server;
            ready->set_value(server.serverPort());
            QEventLoop loop; // ended by QThread::quit
            loop.exec();
        });
        m_thread->start();
        m_port = port.get();
    }
    ~CLocalHttpServer()
    {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
    CLocalHttpServer(const CLocalHttpServer &) = delete;
    CLocalHttpServer &operator=(const CLocalHttpServer &) = delete;

    quint16 port() const { return m_port; }
    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

    // `times` >= 0: the path answers that many requests, then 404.
    void setFile(const QString &path, const QByteArray &body, int status = 200, int times = -1)
    {
        QMutexLocker lock(&m_mutex);
        m_routes.insert(path, Route{status, body, times});
    }
    // While held, requests wait unanswered; release() answers them.
    void hold()
    {
        QMutexLocker lock(&m_mutex);
        m_held = true;
    }
    void release()
    {
        {
            QMutexLocker lock(&m_mutex);
            m_held = false;
        }
        QMetaObject::invokeMethod(m_context, [this] {
            const QList<Waiting> waiting = m_waiting;
            m_waiting.clear();
            for (const Waiting &w : waiting)
                if (w.socket)
                    answer(w.socket, w.path);
        });
    }
    int waitingCount() const
    {
        QMutexLocker lock(&m_mutex);
        return m_waitingCount;
    }
    void removeFile(const QString &path)
    {
        QMutexLocker lock(&m_mutex);
        m_routes.remove(path);
    }
    int requestCount(const QString &path) const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests.value(path);
    }

    // A port on 127.0.0.1 where nothing listens: connections to it are refused.
    static quint16 closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

private:
    struct Route {
        int status;
        QByteArray body;
        int times;
    };
    struct Waiting {
        QPointer<QTcpSocket> socket;
        QString path;
    };

    void answer(QTcpSocket *socket, const QString &path)
    {
        Route route{404, QByteArray("not found"), -1};
        {
            QMutexLocker lock(&m_mutex);
            auto it = m_routes.find(path);
            if (it != m_routes.end() && it->times != 0) {
                route = *it;
                if (it->times > 0)
                    --it->times;
            }
        }
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(route.status) + " X\r\n"
                           "Content-Type: text/plain\r\n"
                           "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n"
                           "Connection: close\r\n\r\n" + route.body;
        socket->write(reply);
        socket->disconnectFromHost();
    }

    void serve(QTcpSocket *socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray &pending = m_pending[socket];
            pending += socket->readAll();
            if (!pending.contains("\r\n\r\n"))
                return;
            const QList<QByteArray> first = pending.left(pending.indexOf("\r\n")).split(' ');
            m_pending.remove(socket);
            const QString path = first.size() >= 2 ? QString::fromLatin1(first[1]) : QString();
            bool held;
            {
                QMutexLocker lock(&m_mutex);
                ++m_requests[path];
                held = m_held;
                if (held)
                    ++m_waitingCount;
            }
            if (held)
                m_waiting.append(Waiting{socket, path});
            else
                answer(socket, path);
        });
    }

    QThread *m_thread = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    bool m_held = false;
    int m_waitingCount = 0;
    QObject *m_context = nullptr;              // lives on the server thread
    QHash<QTcpSocket *, QByteArray> m_pending; // server thread only
    QList<Waiting> m_waiting;                  // server thread only
};
