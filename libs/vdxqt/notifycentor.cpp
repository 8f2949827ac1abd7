#include "libs/vdxqt/notifycentor.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <algorithm>

CBPNotifyCentor *CBPNotifyCentor::instance()
{
    static CBPNotifyCentor centre;
    return &centre;
}

int CBPNotifyCentor::Send(unsigned int id, int param, const void *data, int len)
{
    const bool hasPayload = data != nullptr && len > 0;
    const QByteArray payload = hasPayload ? QByteArray(static_cast<const char *>(data), len) : QByteArray();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        deliver(id, param, payload, hasPayload);
    } else {
        QMetaObject::invokeMethod(
            app, [this, id, param, payload, hasPayload] { deliver(id, param, payload, hasPayload); },
            Qt::QueuedConnection);
    }
    return 0;
}

void CBPNotifyCentor::deliver(unsigned int id, int param, const QByteArray &payload, bool hasPayload)
{
    std::vector<std::pair<CBPMsgReceiver *, quint64>> targets;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Entry &e : m_entries)
            if (std::find(e.ids.begin(), e.ids.end(), id) != e.ids.end())
                targets.emplace_back(e.receiver, e.serial);
    }
    __MsgData msg;
    msg.id = id;
    msg.param = param;
    msg.data = hasPayload ? payload.constData() : nullptr;
    msg.len = hasPayload ? payload.size() : 0;
    for (const auto &target : targets) {
        {
            // A handler may have destroyed a later receiver of the same message.
            std::lock_guard<std::mutex> lock(m_mutex);
            const bool alive = std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
                return e.receiver == target.first && e.serial == target.second;
            });
            if (!alive)
                continue;
        }
        target.first->ReceiveMsg(msg);
    }
}

void CBPNotifyCentor::Attach(CBPMsgReceiver *receiver)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Entry &e : m_entries)
        if (e.receiver == receiver)
            return;
    m_entries.push_back(Entry{receiver, m_nextSerial++, {}});
}

void CBPNotifyCentor::Detach(CBPMsgReceiver *receiver)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const Entry &e) { return e.receiver == receiver; }),
                    m_entries.end());
}

void CBPNotifyCentor::Subscribe(CBPMsgReceiver *receiver, unsigned int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Entry &e : m_entries) {
        if (e.receiver == receiver) {
            if (std::find(e.ids.begin(), e.ids.end(), id) == e.ids.end())
                e.ids.push_back(id);
            return;
        }
    }
    m_entries.push_back(Entry{receiver, m_nextSerial++, {id}});
}

CBPMsgReceiver::CBPMsgReceiver(INotifyCentor *centre, unsigned int id)
{
    SetNotifyCentor(centre);
    RegisterMsg(id);
}

CBPMsgReceiver::~CBPMsgReceiver()
{
    if (m_centre)
        m_centre->Detach(this);
}

void CBPMsgReceiver::SetNotifyCentor(INotifyCentor *centre)
{
    if (m_centre == centre)
        return;
    if (m_centre)
        m_centre->Detach(this);
    m_centre = centre;
    if (m_centre)
        m_centre->Attach(this);
}

void CBPMsgReceiver::RegisterMsg(unsigned int id)
{
    if (!m_centre)
        SetNotifyCentor(CBPNotifyCentor::instance());
    m_centre->Subscribe(this, id);
}

int CBPMsgReceiver::ReceiveMsg(const __MsgData &)
{
    return 0;
}
