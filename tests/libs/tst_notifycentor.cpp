// The bus carries every report from a worker thread to the windows, so it must deliver on the
// GUI thread, exactly once per receiver, never to a receiver that is gone, and keep the
// payload alive after the sender's stack frame has ended.
#include "libs/vdxqt/notifycentor.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kPing = 0x9001;
constexpr unsigned kOther = 0x9002;

class Recorder : public CBPMsgReceiver {
public:
    explicit Recorder(unsigned id = kPing)
    {
        SetNotifyCentor(CBPNotifyCentor::instance());
        RegisterMsg(id);
    }
    int ReceiveMsg(const __MsgData &msg) override
    {
        threads.push_back(QThread::currentThread());
        payloads.push_back(msg.data ? QByteArray(static_cast<const char *>(msg.data), msg.len) : QByteArray());
        ids.push_back(msg.id);
        if (onReceive)
            onReceive();
        return 0;
    }
    std::vector<QThread *> threads;
    std::vector<QByteArray> payloads;
    std::vector<unsigned> ids;
    std::function<void()> onReceive;
};

// Sends from a thread whose stack buffer is overwritten right after Send returns.
void sendFromWorker(unsigned id, const char *text)
{
    std::thread([id, text] {
        char buffer[32] = {};
        qstrncpy(buffer, text, sizeof buffer);
        CBPNotifyCentor::instance()->Send(id, 0, buffer, int(qstrlen(buffer)));
        memset(buffer, 'X', sizeof buffer);
    }).join();
}

} // namespace

class TestNotifyCentor : public QObject {
    Q_OBJECT
private slots:
    void workerMessageArrivesOnGuiThreadWithItsPayload();
    void everyReceiverOnceOnlyForItsIds();
    void destroyedReceiverGetsNothingEvenIfQueuedBefore();
    void receiverDestroyedByAnEarlierHandler();
    void receiverCreatedAfterQueueingStillGetsIt();
    void concurrentSendersLoseNothing();
};

void TestNotifyCentor::workerMessageArrivesOnGuiThreadWithItsPayload()
{
    Recorder r;
    sendFromWorker(kPing, "hello");
    QVERIFY(r.ids.empty()); // queued, not delivered on the worker
    QTRY_COMPARE(r.ids.size(), size_t(1));
    QCOMPARE(r.threads[0], QCoreApplication::instance()->thread());
    QCOMPARE(r.payloads[0], QByteArray("hello"));
}

void TestNotifyCentor::everyReceiverOnceOnlyForItsIds()
{
    Recorder a, b, other(kOther);
    a.RegisterMsg(kPing); // registering twice must not deliver twice
    CBPNotifyCentor::instance()->Send(kPing, 0, nullptr, 0);
    QCOMPARE(a.ids.size(), size_t(1));
    QCOMPARE(b.ids.size(), size_t(1));
    QVERIFY(other.ids.empty());
    QCOMPARE(a.payloads[0], QByteArray());
}

void TestNotifyCentor::destroyedReceiverGetsNothingEvenIfQueuedBefore()
{
    auto doomed = std::make_unique<Recorder>();
    Recorder witness;
    sendFromWorker(kPing, "late");
    doomed.reset(); // destroyed while the message waits in the queue
    QTRY_COMPARE(witness.ids.size(), size_t(1));
    // A new receiver may reuse the address; it registered nothing, so it must see nothing.
    Recorder fresh(kOther);
    QCoreApplication::processEvents();
    QVERIFY(fresh.ids.empty());
}

void TestNotifyCentor::receiverDestroyedByAnEarlierHandler()
{
    auto first = std::make_unique<Recorder>();
    auto second = std::make_unique<Recorder>();
    Recorder *secondRaw = second.get();
    first->onReceive = [&] { second.reset(); }; // a dialog closing another one
    CBPNotifyCentor::instance()->Send(kPing, 0, nullptr, 0);
    QCOMPARE(first->ids.size(), size_t(1));
    QVERIFY(!second);
    Q_UNUSED(secondRaw)
}

void TestNotifyCentor::receiverCreatedAfterQueueingStillGetsIt()
{
    // A worker may finish before the dialog that waits for its message exists.
    sendFromWorker(kPing, "early");
    Recorder dialog;
    QTRY_COMPARE(dialog.ids.size(), size_t(1));
}

void TestNotifyCentor::concurrentSendersLoseNothing()
{
    Recorder r;
    constexpr int kThreads = 8, kEach = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < kEach; ++i) {
                const int value = t * kEach + i;
                CBPNotifyCentor::instance()->Send(kPing, 0, &value, sizeof value);
            }
        });
    // Receivers come and go on the GUI thread meanwhile.
    for (int i = 0; i < 200; ++i) {
        Recorder transient;
        QCoreApplication::processEvents();
    }
    for (auto &t : threads)
        t.join();
    QTRY_COMPARE(r.ids.size(), size_t(kThreads * kEach));
    std::vector<bool> seen(kThreads * kEach, false);
    for (const QByteArray &p : r.payloads) {
        QCOMPARE(p.size(), int(sizeof(int)));
        int value;
        memcpy(&value, p.constData(), sizeof value);
        QVERIFY(!seen[size_t(value)]);
        seen[size_t(value)] = true;
    }
}

QTEST_GUILESS_MAIN(TestNotifyCentor)
#include "tst_notifycentor.moc"
