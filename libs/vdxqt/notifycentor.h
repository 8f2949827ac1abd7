#pragma once
// The process-wide message bus. A message sent from any thread reaches every receiver that
// registered its id exactly once, on the GUI thread. The payload is copied before Send
// returns. A receiver that is destroyed before delivery receives nothing, even when the
// message was queued while it was alive. Receivers are looked up when the message is
// delivered, so a dialog created after a worker queued MSG_CLOSE_DLG still closes.
#include <QByteArray>

#include <mutex>
#include <vector>

struct __MsgData {
    unsigned int id = 0;
    int param = 0;
    const void *data = nullptr; // valid only while ReceiveMsg runs
    int len = 0;
};

class CBPMsgReceiver;

class INotifyCentor {
public:
    // Send comes first: callers may rely on its place in the interface.
    virtual int Send(unsigned int id, int param, const void *data, int len) = 0;
    virtual void Attach(CBPMsgReceiver *receiver) = 0;
    virtual void Detach(CBPMsgReceiver *receiver) = 0;
    virtual void Subscribe(CBPMsgReceiver *receiver, unsigned int id) = 0;

protected:
    virtual ~INotifyCentor() = default;
};

class CBPNotifyCentor : public INotifyCentor {
public:
    static CBPNotifyCentor *instance();

    int Send(unsigned int id, int param, const void *data, int len) override;
    void Attach(CBPMsgReceiver *receiver) override;
    void Detach(CBPMsgReceiver *receiver) override;
    void Subscribe(CBPMsgReceiver *receiver, unsigned int id) override;

private:
    CBPNotifyCentor() = default;
    void deliver(unsigned int id, int param, const QByteArray &payload, bool hasPayload);

    struct Entry {
        CBPMsgReceiver *receiver;
        quint64 serial; // tells a receiver apart from a later one at the same address
        std::vector<unsigned int> ids;
    };
    std::mutex m_mutex;
    std::vector<Entry> m_entries;
    quint64 m_nextSerial = 1;
};

class CBPMsgReceiver {
public:
    CBPMsgReceiver() = default;
    CBPMsgReceiver(INotifyCentor *centre, unsigned int id);
    virtual ~CBPMsgReceiver();
    CBPMsgReceiver(const CBPMsgReceiver &) = delete;
    CBPMsgReceiver &operator=(const CBPMsgReceiver &) = delete;

    void SetNotifyCentor(INotifyCentor *centre);
    // Subscribes to one id; attaches to the process's centre if none was set.
    void RegisterMsg(unsigned int id);
    virtual int ReceiveMsg(const __MsgData &msg);

private:
    INotifyCentor *m_centre = nullptr;
};
