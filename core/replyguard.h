#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QIODevice>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QSemaphore>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <utility>

#include <zlib.h>

// Keeps a network answer within what its reader can need, whatever the server sends: a body
// announced longer than `maxBytes` is broken off at the headers, one that is not announced as
// soon as the bytes received pass it, and with a deadline the whole answer must have arrived by
// then, however steadily the server trickles it. Memory stays low while the answer arrives: a
// reader that takes the body as it arrives gives the network layer a small `readBuffer`, and for
// one that takes it at the end (kReadWhole) the guard gathers it, within `maxBytes`, for body().
// (The network layer's own read buffer cannot stand in for that: it may stop short of its size
// and wait for a reader that only comes at the end.) Every network reply of the program is
// bounded this way; the header stands alone, so that the map engine, which links no other part,
// uses it too. An answer is only whole when it is as long as it was announced and came in one
// go: the network layer ends a body the server cut short without an error now and then, and it
// sends the request again on its own after a connection closed early, so either is refused.
// A chunked answer cut before its last chunk is ended as if whole, and the request sent again
// gets no answer the reply hears of: only a request made through get() tells that apart.
namespace ReplyGuard {

// Compressed: in a coding the reader cannot unpack; Damaged: compressed, but its packing is broken.
enum class Stop { None, TooLong, TooSlow, CutShort, Compressed, Damaged };

constexpr qint64 kReadWhole = -1;

namespace Detail {

inline constexpr const char *kStopProperty = "wayloreReplyStop";
inline constexpr const char *kBodyName = "wayloreReplyBody";
inline constexpr const char *kReceivedProperty = "wayloreReplyReceived";
inline constexpr const char *kAnnouncedProperty = "wayloreReplyAnnounced";
inline constexpr const char *kRestartedProperty = "wayloreReplyRestarted";
inline constexpr const char *kHeadsProperty = "wayloreReplyHeads";
inline constexpr const char *kCurrentProperty = "wayloreStandIn";
inline constexpr const char *kHeldProperty = "wayloreNetworkHeld";
// What the network layer holds at a time for the guard to gather.
inline constexpr qint64 kGatherPiece = 64 * 1024;

// The coding of an answer of success the server sent compressed though asked not to ("gzip");
// empty for one sent as it is. The body of an error page is not read.
inline QByteArray coding(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    return status < 200 || status > 299 || encoding == "identity" ? QByteArray() : encoding;
}

// The body as its reader takes it, a child of its reply: unpacked, when the server sent it
// compressed, a piece at a time, so that a small answer that unpacks to gigabytes costs no more
// than the bound it is refused at; and, for a reader that takes it at the end, gathered so far.
class Body : public QObject
{
public:
    Body(QObject *reply, qint64 maxBytes)
        : QObject(reply)
        , maxBytes(maxBytes)
    {
        setObjectName(QLatin1String(kBodyName));
    }
    ~Body() override
    {
        if (m_inflating)
            inflateEnd(&m_stream);
    }
    // Up to `most` bytes more of the body; empty once nothing more has arrived.
    QByteArray next(QNetworkReply *reply, qint64 most)
    {
        if (!m_begun) {
            m_begun = true;
            const QByteArray encoding = coding(reply);
            // A zlib stream or a gzip one, told apart by its header; deflate is sent bare too.
            const QByteArray first = reply->peek(1);
            const int window = encoding == "deflate" && !first.isEmpty() && (first.at(0) & 0x0f) != 8 ? -15 : 15 + 32;
            m_inflating = !encoding.isEmpty();
            if (m_inflating
                && ((encoding != "gzip" && encoding != "x-gzip" && encoding != "deflate")
                    || inflateInit2(&m_stream, window) != Z_OK))
                refused = Stop::Compressed;
            m_inflating = m_inflating && refused == Stop::None;
        }
        if (refused != Stop::None || !reply->isOpen())
            return QByteArray();
        if (!m_inflating) {
            QByteArray plain = reply->read(most);
            taken += plain.size();
            return plain;
        }
        QByteArray out(most, Qt::Uninitialized);
        m_stream.next_out = reinterpret_cast<Bytef *>(out.data());
        m_stream.avail_out = uInt(most);
        bool broken = false;
        while (m_stream.avail_out > 0 && !m_ended && !broken) {
            if (m_stream.avail_in == 0) {
                m_input = reply->read(most);
                if (m_input.isEmpty())
                    break;
                m_stream.next_in = reinterpret_cast<Bytef *>(m_input.data());
                m_stream.avail_in = uInt(m_input.size());
            }
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            m_ended = result == Z_STREAM_END;
            broken = result != Z_OK && !m_ended;
        }
        // Bytes after the end of the stream are no part of it.
        if (broken || (m_ended && (m_stream.avail_in > 0 || reply->bytesAvailable() > 0)))
            refused = Stop::Damaged;
        out.truncate(most - m_stream.avail_out);
        taken += out.size();
        return out;
    }
    // Whole as far as its packing tells: a compressed body cut short does not end its stream.
    bool ended() const { return !m_inflating || m_ended; }
    // Takes what has arrived into bytes, up to just past the bound.
    void gather(QNetworkReply *reply)
    {
        for (QByteArray piece; bytes.size() <= maxBytes && !(piece = next(reply, kGatherPiece)).isEmpty();)
            bytes += piece;
    }

    const qint64 maxBytes;
    // What it handed out so far, and what it gathered.
    qint64 taken = 0;
    QByteArray bytes;
    // Compressed or Damaged once it cannot be unpacked.
    Stop refused = Stop::None;

private:
    z_stream m_stream{};
    QByteArray m_input;
    bool m_begun = false;
    bool m_inflating = false;
    bool m_ended = false;
};

inline Body *bodyOf(const QNetworkReply *reply)
{
    return static_cast<Body *>(reply->findChild<QObject *>(QLatin1String(kBodyName)));
}

// The empty body of a request made through get(). The network layer reads a request's body
// again only to send the request again, and it does that after a connection closed early, with
// no signal to the reply: a body read again once an answer's headers have come marks the reply
// as begun again. Sent again before any answer came (a kept connection the server had closed),
// nothing of it was lost.
class ResendWitness : public QIODevice
{
public:
    ResendWitness() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return 0; }
    bool reset() override
    {
        auto *reply = qobject_cast<QNetworkReply *>(parent());
        if (reply && reply->property(kHeadsProperty).toInt() > 0)
            reply->setProperty(kRestartedProperty, true);
        return QIODevice::reset();
    }

protected:
    qint64 readData(char *, qint64) override { return 0; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

// A reply that ended without an error but is not the whole answer: shorter or longer than its
// announced length, or one the network layer began again. The length is that of the bytes sent,
// which the reply counts only when the network layer did not unpack them: it unpacks only what
// it asked to be packed, and it asks nothing of the kind for a request that names its encodings.
inline bool cutShort(const QNetworkReply *reply)
{
    if (!reply->isFinished() || reply->error() != QNetworkReply::NoError)
        return false;
    if (reply->property(kRestartedProperty).toBool())
        return true;
    if (const Body *body = bodyOf(reply); body && !body->ended())
        return true;
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    const bool unpacked
        = !reply->request().hasRawHeader("Accept-Encoding") && !encoding.isEmpty() && encoding != "identity";
    const qint64 announced = reply->property(kAnnouncedProperty).toLongLong();
    return announced > 0 && !unpacked && reply->property(kReceivedProperty).toLongLong() != announced;
}

} // namespace Detail

// Why the guard broke the reply off or refuses it; None when it ran its course or ended otherwise.
inline Stop stopped(const QNetworkReply *reply)
{
    const auto stop = Stop(reply->property(Detail::kStopProperty).toInt());
    return stop == Stop::None && Detail::cutShort(reply) ? Stop::CutShort : stop;
}

// A reason as a text for the pilot ("the answer is too long"), empty for None.
inline QString text(Stop why)
{
    switch (why) {
    case Stop::TooLong:
        return QCoreApplication::translate("ReplyGuard", "the answer is too long");
    case Stop::TooSlow:
        return QCoreApplication::translate("ReplyGuard", "the service did not answer in time");
    case Stop::CutShort:
        return QCoreApplication::translate("ReplyGuard", "the answer was cut short");
    case Stop::Compressed:
        return QCoreApplication::translate("ReplyGuard", "the server sent the answer compressed");
    case Stop::Damaged:
        return QCoreApplication::translate("ReplyGuard", "the answer is damaged");
    case Stop::None:
        break;
    }
    return QString();
}

// Why the guard broke the reply off or refuses it, as a text for the pilot.
inline QString reason(const QNetworkReply *reply)
{
    return text(stopped(reply));
}

// Why a reply failed, for the pilot: the guard's reason, or the network layer's own time-out,
// which it calls "Operation canceled" and which tells the pilot nothing; empty for neither.
inline QString failure(const QNetworkReply *reply)
{
    if (QString why = reason(reply); !why.isEmpty())
        return why;
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        return QCoreApplication::translate("ReplyGuard", "the service did not answer in time");
    return QString();
}

namespace Detail {

// The slot where a stand-in's HTTP thread writes its name; none for another manager.
inline std::shared_ptr<std::atomic<QThread *>> threadOf(QObject *manager);

// Qt's HTTP thread hears of a reply's read buffer only through a queued call that it takes once
// the request has started there, and until that call comes it reads the answer without a bound.
// A manager's HTTP thread already running (every request after its first) starts the request at
// once: a main thread held for a moment after the start (a busy spell, or the one core given to
// another thread) lets it read hundreds of megabytes, which no count on the main thread can stop
// in time. So the start and the bound go to the HTTP thread in one call: each time a request of
// a watched reply is handed to it (the first and each redirect the network layer follows), its
// start is taken from the reply's signal and posted together with the reply's read buffer. A
// reply of a manager on another thread, or a network layer of another build, keeps the bound
// set after the start.
class BoundedStart : public QObject
{
public:
    static void watch(QNetworkReply *reply)
    {
        if (!QCoreApplication::instance())
            return;
        if (reply->thread() != QCoreApplication::instance()->thread()
            || reply->metaObject()->indexOfSignal("startHttpRequest()") < 0) {
            // Every later request falls back alike: said once.
            static std::atomic<bool> told = false;
            if (reply->url().scheme().startsWith(QLatin1String("http")) && !told.exchange(true))
                qWarning().noquote() << "Network answers: the read bound of" << reply->metaObject()->className()
                                     << "is set after its request starts, not with it";
            return;
        }
        BoundedStart *watching = instance();
        // Weakly held: a reader may cut every connection of its reply.
        watching->m_replies.removeIf(
            [](const QPointer<QNetworkReply> &watched) { return !watched || watched->isFinished(); });
        watching->m_replies.append(reply);
    }

    static BoundedStart *instance()
    {
        static BoundedStart *instance = nullptr;
        if (!instance && QCoreApplication::instance()) {
            instance = new BoundedStart;
            instance->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(instance);
            QObject::connect(instance, &QObject::destroyed, [] { instance = nullptr; });
        }
        return instance;
    }

    // Where the HTTP thread of the manager now making a request writes its name: a request
    // without a body goes to that thread within the call that makes it, before it can be watched.
    static inline std::shared_ptr<std::atomic<QThread *>> starting;

protected:
    // The HTTP thread's delegate of a request is moved to that thread once it is wired to its
    // reply, before the reply signals it to start.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ThreadChange || !watched->inherits("QHttpThreadDelegate"))
            return false;
        // Posted before the move, a call goes to the HTTP thread with the delegate. There it
        // tells a stand-in which thread is its own, for the probe.
        const auto tell = [watched](std::shared_ptr<std::atomic<QThread *>> thread) {
            if (thread)
                QMetaObject::invokeMethod(
                    watched, [thread] { thread->store(QThread::currentThread()); }, Qt::QueuedConnection);
        };
        tell(starting);
        for (QNetworkReply *reply : std::as_const(m_replies)) {
            if (!reply || !QObject::disconnect(reply, SIGNAL(startHttpRequest()), watched, SLOT(startRequest())))
                continue;
            if (!starting)
                tell(threadOf(reply->parent()));
            QMetaObject::invokeMethod(
                watched,
                [watched, bound = reply->readBufferSize()] {
                    QMetaObject::invokeMethod(watched, "startRequest", Qt::DirectConnection);
                    QMetaObject::invokeMethod(watched, "readBufferSizeChanged", Qt::DirectConnection,
                                              Q_ARG(qint64, bound));
                },
                Qt::QueuedConnection);
            break;
        }
        return false;
    }

private:
    QList<QPointer<QNetworkReply>> m_replies;
};

// How long a free HTTP thread may take to run a probe: one that takes longer is held.
inline constexpr int kProbeMs = 200;

// A manager the guard sends a service's requests through (network()). Qt 6.4's HTTP thread of a
// manager reads an answer's headers for as long as they come, a byte per system call, deaf to
// the abort and to every later request of that manager meanwhile; and deleting the manager
// waits up to 5 s for that thread. So a service never sends through its own manager, which
// could not be let go: after an answer whose headers never came, a probe is posted to the
// thread of the stand-in that asked, and one whose thread does not run it in time is held. The
// service then sends through a fresh stand-in, and the held one goes once the probe has run
// and no reply of it is left, its thread free again; none is deleted while held.
class StandIn : public QNetworkAccessManager
{
public:
    explicit StandIn(QNetworkAccessManager *service)
        : m_service(service)
    {
        BoundedStart::instance();
        // Gone with its service, unless held: deleted then, it would hold the service's end.
        QObject::connect(service, &QObject::destroyed, this, [this] {
            if (!m_held)
                delete this;
        });
    }
    QNetworkAccessManager *service() const { return m_service; }
    bool held() const { return m_held; }
    // Written by the HTTP thread itself as it starts a request (BoundedStart).
    const std::shared_ptr<std::atomic<QThread *>> thread = std::make_shared<std::atomic<QThread *>>(nullptr);

    // Whether the HTTP thread leaves a probe unanswered past kProbeMs; told once the probe runs.
    bool probeHeld()
    {
        QThread *httpThread = thread->load();
        if (!httpThread || httpThread == QThread::currentThread())
            return false;
        const auto answered = std::make_shared<QSemaphore>();
        auto *probe = new QObject;
        QObject::connect(
            probe, &QObject::destroyed, this,
            [this] {
                if (std::exchange(m_held, false))
                    letGo();
            },
            Qt::QueuedConnection);
        probe->moveToThread(httpThread);
        QMetaObject::invokeMethod(
            probe,
            [probe, answered] {
                answered->release();
                probe->deleteLater();
            },
            Qt::QueuedConnection);
        m_held = !answered->tryAcquire(1, kProbeMs);
        return m_held;
    }

    // Goes once nothing needs it: its thread is free, and another stand-in serves its service
    // and no reply of it is left, or the service is gone (with it, its replies).
    void letGo();

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoing) override
    {
        BoundedStart::starting = thread;
        QNetworkReply *reply = QNetworkAccessManager::createRequest(operation, request, outgoing);
        BoundedStart::starting.reset();
        QObject::connect(
            reply, &QObject::destroyed, this, [this] { letGo(); }, Qt::QueuedConnection);
        return reply;
    }

private:
    QPointer<QNetworkAccessManager> m_service;
    bool m_held = false;
};

inline std::shared_ptr<std::atomic<QThread *>> threadOf(QObject *manager)
{
    const auto *standIn = dynamic_cast<const StandIn *>(manager);
    return standIn ? standIn->thread : nullptr;
}

// The stand-in a service sends through now; none before its first request.
inline StandIn *current(QObject *service)
{
    return static_cast<StandIn *>(service->property(kCurrentProperty).value<QObject *>());
}

inline void StandIn::letGo()
{
    if (m_held
        || (m_service
            && (current(m_service) == this || !findChildren<QNetworkReply *>(Qt::FindDirectChildrenOnly).isEmpty())))
        return;
    deleteLater();
}

// A held stand-in hands its service to a fresh one at the next request. An answer of one left
// behind already is news of that one alone.
inline void markHeld(StandIn *manager)
{
    QNetworkAccessManager *service = manager->service();
    if (service && current(service) == manager)
        service->setProperty(kHeldProperty, true);
}

// An answer whose headers never came, whatever ended it (a deadline, Qt's time-out, an abort, a
// connection lost): its HTTP thread may be held reading them.
inline void headlessEnd(QNetworkReply *reply)
{
    // Its parent: a manager that starts its requests through another is not the one that asked.
    auto *standIn = dynamic_cast<StandIn *>(reply->parent());
    if (standIn && (standIn->held() || standIn->probeHeld()))
        markHeld(standIn);
}

// A reply that failed has its end queued: aborted then, Qt reports a second error ("Internal
// problem, this method must only be called once"). Only a reply still running and clean is
// aborted.
inline bool abortable(const QNetworkReply *reply)
{
    return reply->isRunning() && reply->error() == QNetworkReply::NoError;
}

inline void stop(QNetworkReply *reply, Stop why)
{
    if (reply->property(kStopProperty).toInt() != int(Stop::None))
        return;
    // An answer already ended (its end may still be queued) is not aborted: a deadline passing
    // then would turn a whole answer into a failure. One too long stays too long, though the
    // network layer read it to its end before the count arrived, and one that cannot be unpacked
    // stays so: it is marked, so that its reader refuses it rather than take it.
    const bool running = abortable(reply);
    if (!running && why != Stop::TooLong && why != Stop::Compressed && why != Stop::Damaged)
        return;
    reply->setProperty(kStopProperty, int(why));
    qWarning().noquote() << "Answer from" << reply->url().toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo)
                         << "broken off:" << reason(reply);
    if (running)
        reply->abort();
}

} // namespace Detail

// `readBuffer`: the bytes the network layer may hold unread, for a reader that takes them as
// they arrive.
inline void attach(QNetworkReply *reply, qint64 maxBytes, int deadlineMs = 0, qint64 readBuffer = kReadWhole)
{
    const auto check = [reply, maxBytes](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes)
            Detail::stop(reply, Stop::TooLong);
    };
    // Headers come once per request: a second set without a redirect is the request sent again.
    const auto heads = [reply](int step) {
        const int count = reply->property(Detail::kHeadsProperty).toInt() + step;
        reply->setProperty(Detail::kHeadsProperty, count);
        return count;
    };
    QObject::connect(reply, &QNetworkReply::redirected, reply, [heads] { heads(-1); });
    // Heard before the reply's end, so that the service's next request already knows.
    QObject::connect(reply, &QNetworkReply::errorOccurred, reply, [reply, heads] {
        if (heads(0) == 0)
            Detail::headlessEnd(reply);
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, check, heads] {
        if (heads(1) > 1)
            reply->setProperty(Detail::kRestartedProperty, true);
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        reply->setProperty(Detail::kAnnouncedProperty, announced);
        check(0, announced);
    });
    // The count of bytes received, announced or not.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, check](qint64 received, qint64 total) {
        reply->setProperty(Detail::kReceivedProperty, received);
        check(received, total);
    });
    const qint64 held = readBuffer == kReadWhole ? Detail::kGatherPiece : readBuffer;
    reply->setReadBufferSize(held);
    Detail::BoundedStart::watch(reply);
    // A request with an outgoing body starts on the next turn of the event loop, and the read
    // buffer set before it starts never reaches the thread that reads the socket: set again
    // once it has started, for a reply the start cannot carry it for.
    QMetaObject::invokeMethod(
        reply, [reply, held] { reply->setReadBufferSize(held); }, Qt::QueuedConnection);
    auto *body = new Detail::Body(reply, maxBytes);
    if (readBuffer == kReadWhole) {
        QObject::connect(reply, &QNetworkReply::readyRead, body, [reply, body, check] {
            body->gather(reply);
            if (body->refused != Stop::None)
                Detail::stop(reply, body->refused);
            check(body->bytes.size(), -1);
        });
    }
    if (deadlineMs > 0)
        QTimer::singleShot(deadlineMs, reply, [reply] { Detail::stop(reply, Stop::TooSlow); });
}

// The request with its answer asked for as the server has it, so that the length announced
// tells a cut answer from a whole one, compressed or not; encodings the request names are kept.
inline QNetworkRequest uncompressed(QNetworkRequest request)
{
    if (!request.hasRawHeader("Accept-Encoding"))
        request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

// The manager a service's requests go through: a stand-in of the service's making, the same
// one until an answer without headers finds its HTTP thread held, then a fresh one (see
// Detail::StandIn). It takes the service's settings as they are at each request.
inline QNetworkAccessManager *network(QNetworkAccessManager *service)
{
    Detail::StandIn *now = Detail::current(service);
    if (!now || service->property(Detail::kHeldProperty).toBool()) {
        service->setProperty(Detail::kHeldProperty, false);
        auto *fresh = new Detail::StandIn(service);
        service->setProperty(Detail::kCurrentProperty, QVariant::fromValue<QObject *>(fresh));
        if (now)
            now->letGo();
        now = fresh;
    }
    now->setProxy(service->proxy());
    now->setAutoDeleteReplies(service->autoDeleteReplies());
    now->setTransferTimeout(service->transferTimeout());
    now->setRedirectPolicy(service->redirectPolicy());
    return now;
}

// Ends a reply that is still running; one that failed already ends on its own.
inline void abort(QNetworkReply *reply)
{
    if (Detail::abortable(reply))
        reply->abort();
}

// A GET whose reply attach() can tell from a chunked answer cut before its end: the request
// carries an empty body that the network layer reads again when it sends the request again.
// It asks for the answer uncompressed, whose cut the length tells. Sent through network(); a
// service that hears of its answers through its own finished() hears of them there.
inline QNetworkReply *get(QNetworkAccessManager *service, const QNetworkRequest &request)
{
    QNetworkAccessManager *through = network(service);
    auto *witness = new Detail::ResendWitness;
    QNetworkReply *reply = through->sendCustomRequest(uncompressed(request), "GET", witness);
    witness->setParent(reply);
    QObject::connect(reply, &QNetworkReply::finished, service, [service, reply] { emit service->finished(reply); });
    return reply;
}

// Up to `most` bytes more of the body of a reply attached with a read buffer, unpacked if the
// server sent it compressed: empty once nothing more has arrived.
inline QByteArray read(QNetworkReply *reply, qint64 most)
{
    Detail::Body *body = Detail::bodyOf(reply);
    if (!body)
        return reply->read(most);
    QByteArray bytes = body->next(reply, most);
    if (body->refused != Stop::None)
        Detail::stop(reply, body->refused);
    else if (body->taken > body->maxBytes)
        Detail::stop(reply, Stop::TooLong);
    return bytes;
}

// For a reader that takes the body from the reply itself, which the guard cannot unpack for: an
// answer sent compressed is refused as its headers come.
inline void refuseCompressed(QNetworkReply *reply)
{
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
        if (!Detail::coding(reply).isEmpty())
            Detail::stop(reply, Stop::Compressed);
    });
}

// The whole body of a reply attached with kReadWhole, once it has finished; nothing of one the
// guard broke off.
inline QByteArray body(QNetworkReply *reply)
{
    Detail::Body *gathered = Detail::bodyOf(reply);
    if (stopped(reply) != Stop::None)
        return QByteArray();
    if (!gathered)
        return reply->isOpen() ? reply->readAll() : QByteArray();
    gathered->gather(reply);
    QByteArray bytes = std::exchange(gathered->bytes, QByteArray());
    if (gathered->refused != Stop::None || bytes.size() > gathered->maxBytes || !gathered->ended())
        return QByteArray();
    return bytes;
}

} // namespace ReplyGuard
