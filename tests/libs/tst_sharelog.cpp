// The log is written from the GUI thread and from workers at once; lines must never tear.
#include "libs/sharelog/sharelog.h"

#include <QtTest>

#include <thread>
#include <vector>

class TestShareLog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void timedLineFormat();
    void concurrentWritersKeepLinesWhole();
    void unwritableLocationIsSilent();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestShareLog::init()
{
    m_path = m_dir.filePath(QStringLiteral("sub/purgewell.log"));
    // Closes the file the previous test wrote first: Windows deletes no open file.
    sharelog::SetLogFilePath(m_path);
    QFile::remove(m_path);
}

void TestShareLog::timedLineFormat()
{
    LogInfoEx(sharelog::TimedLine("create tree begin with %s\r\n").constData());
    LogInfo("start process %s failed with %d.", "C:\\x.exe", 2);
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    const QRegularExpression timed(QStringLiteral(
        "^create tree begin with \\d{4}\\.\\d{2}\\.\\d{2} \\d{2}:\\d{2}:\\d{2}\r\n"));
    QVERIFY2(timed.match(QString::fromLatin1(all)).hasMatch(), all.constData());
    QVERIFY(all.endsWith("start process C:\\x.exe failed with 2.\r\n"));

    // A timed line never exceeds its 259 characters, whatever the format.
    const QByteArray longFormat = QByteArray(400, 'a') + " %s";
    QCOMPARE(sharelog::TimedLine(longFormat.constData()).size(), 259);
}

void TestShareLog::concurrentWritersKeepLinesWhole()
{
    constexpr int kThreads = 6, kEach = 300;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < kEach; ++i)
                LogInfo("worker %d line %d %s", t, i, "payload-payload-payload");
        });
    for (auto &t : threads)
        t.join();
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    int whole = 0;
    const QRegularExpression shape(QStringLiteral("^worker \\d+ line \\d+ payload-payload-payload\r$"));
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        QVERIFY2(shape.match(QString::fromLatin1(line)).hasMatch(), line.constData());
        ++whole;
    }
    QCOMPARE(whole, kThreads * kEach);
}

void TestShareLog::unwritableLocationIsSilent()
{
    QFile blocker(m_dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sharelog::SetLogFilePath(m_dir.filePath(QStringLiteral("file/cannot/be.log")));
    LogInfo("nobody hears this"); // must neither crash nor throw
    LogInfoEx(nullptr);
    LogInfo(nullptr);
}

QTEST_GUILESS_MAIN(TestShareLog)
#include "tst_sharelog.moc"
