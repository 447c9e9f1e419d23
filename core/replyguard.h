#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QNetworkReply>
#include <QString>
#include <QTimer>

#include <utility>

// Keeps a network answer within what its reader can need, whatever the server sends: a body
// announced longer than `maxBytes` is broken off at the headers, one that is not announced as
// soon as the bytes received pass it, and with a deadline the whole answer must have arrived by
// then, however steadily the server trickles it. Memory stays low while the answer arrives: a
// reader that takes the body as it arrives gives the network layer a small `readBuffer`, and for
// one that takes it at the end (kReadWhole) the guard gathers it, within `maxBytes`, for body().
// (The network layer's own read buffer cannot stand in for that: it may stop short of its size
// and wait for a reader that only comes at the end.) Every network reply of the program is
// bounded this way; the header stands alone, so that the map engine, which links no other part,
// uses it too.
namespace ReplyGuard {

enum class Stop { None, TooLong, TooSlow };

constexpr qint64 kReadWhole = -1;

namespace Detail {

inline constexpr const char *kStopProperty = "wayloreReplyStop";
inline constexpr const char *kBodyName = "wayloreReplyBody";
// What the network layer holds at a time for the guard to gather.
inline constexpr qint64 kGatherPiece = 64 * 1024;

// The body gathered so far, a child of its reply.
class Gathered : public QObject
{
public:
    explicit Gathered(QObject *reply)
        : QObject(reply)
    {
        setObjectName(QLatin1String(kBodyName));
    }
    QByteArray bytes;
};

} // namespace Detail

// Why the guard broke the reply off; None when it ran its course or ended otherwise.
inline Stop stopped(const QNetworkReply *reply)
{
    return Stop(reply->property(Detail::kStopProperty).toInt());
}

// The same as a text for the pilot ("the answer is too long"), empty for None.
inline QString reason(const QNetworkReply *reply)
{
    switch (stopped(reply)) {
    case Stop::TooLong:
        return QCoreApplication::translate("ReplyGuard", "the answer is too long");
    case Stop::TooSlow:
        return QCoreApplication::translate("ReplyGuard", "the service did not answer in time");
    case Stop::None:
        break;
    }
    return QString();
}

namespace Detail {

inline void stop(QNetworkReply *reply, Stop why)
{
    if (stopped(reply) != Stop::None)
        return;
    // An answer already ended (its end may still be queued) is not aborted: a deadline passing
    // then would turn a whole answer into a failure. One too long stays too long, though the
    // network layer read it to its end before the count arrived: it is marked, so that its
    // reader refuses it rather than take it.
    const bool running = reply->isRunning();
    if (!running && why != Stop::TooLong)
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
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                     [reply, check] { check(0, reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    // The count of bytes received, announced or not.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, check);
    if (readBuffer == kReadWhole) {
        reply->setReadBufferSize(Detail::kGatherPiece);
        auto *gathered = new Detail::Gathered(reply);
        QObject::connect(reply, &QNetworkReply::readyRead, gathered, [reply, gathered, check] {
            gathered->bytes += reply->readAll();
            check(gathered->bytes.size(), -1);
        });
    } else {
        reply->setReadBufferSize(readBuffer);
    }
    if (deadlineMs > 0)
        QTimer::singleShot(deadlineMs, reply, [reply] { Detail::stop(reply, Stop::TooSlow); });
}

// The whole body of a reply attached with kReadWhole, once it has finished; nothing of one the
// guard broke off.
inline QByteArray body(QNetworkReply *reply)
{
    if (stopped(reply) != Stop::None)
        return QByteArray();
    auto *gathered = static_cast<Detail::Gathered *>(reply->findChild<QObject *>(QLatin1String(Detail::kBodyName)));
    QByteArray bytes = gathered ? std::exchange(gathered->bytes, QByteArray()) : QByteArray();
    if (reply->isOpen())
        bytes += reply->readAll();
    return bytes;
}

} // namespace ReplyGuard
