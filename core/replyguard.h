#pragma once

#include <QCoreApplication>
#include <QDebug>
#include <QNetworkReply>
#include <QString>
#include <QTimer>

// Keeps a network answer within what its reader can need, whatever the server sends: a body
// announced longer than `maxBytes` is broken off at the headers, one that is not announced as
// soon as the bytes received pass it, and with a deadline the whole answer must have arrived by
// then, however steadily the server trickles it. The network layer holds at most `readBuffer`
// bytes unread (`maxBytes` and one more when the reader takes the body at the end), so memory
// stays low while the answer arrives. Every network reply of the program is bounded this way;
// the header stands alone, so that the map engine, which links no other part, uses it too.
namespace ReplyGuard {

enum class Stop { None, TooLong, TooSlow };

constexpr qint64 kReadWhole = -1;

namespace Detail {
inline constexpr const char *kStopProperty = "wayloreReplyStop";
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
    // An answer already ended (its end may still be queued) is left alone: aborting it would
    // turn a whole answer into a failure.
    if (!reply->isRunning() || stopped(reply) != Stop::None)
        return;
    reply->setProperty(kStopProperty, int(why));
    qWarning().noquote() << "Answer from" << reply->url().toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo)
                         << "broken off:" << reason(reply);
    reply->abort();
}

} // namespace Detail

// `readBuffer`: the bytes the network layer may hold unread, for a reader that takes them as
// they arrive.
inline void attach(QNetworkReply *reply, qint64 maxBytes, int deadlineMs = 0, qint64 readBuffer = kReadWhole)
{
    reply->setReadBufferSize(readBuffer == kReadWhole ? maxBytes + 1 : readBuffer);
    const auto check = [reply, maxBytes](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes)
            Detail::stop(reply, Stop::TooLong);
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                     [reply, check] { check(0, reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    // The count of bytes received, announced or not; the bytes held unread also tell for a
    // reader that takes the body only at the end.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, check);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, check] { check(reply->bytesAvailable(), -1); });
    if (deadlineMs > 0)
        QTimer::singleShot(deadlineMs, reply, [reply] { Detail::stop(reply, Stop::TooSlow); });
}

} // namespace ReplyGuard
