#pragma once

// Kept to this header so that only suites that link Qt Network pay for it.

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <memory>

// A scripted HTTP/1.1 server on 127.0.0.1 at a free port, for the network suites: each path
// gets a canned reply with a status, a body, a delay before answering, and optionally a
// Content-Length that promises more than is sent before the connection is cut, a redirect, a
// body sent a byte at a time, a connection left open after the body, or filler after the body
// made as the connection drains (gigabytes cost nothing), chunked, unannounced or compressed, or
// headers without end.
class HttpTestServer
{
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        // Reason phrase of the status line; empty gives the usual one.
        QByteArray reason;
        // Milliseconds to wait before the reply starts.
        int delayMs = 0;
        // Bytes of the body actually sent before closing; -1 sends all of it.
        qint64 sendOnly = -1;
        // Location header, for redirects.
        QByteArray location;
        // Content-Length announced: -1 announces the body's size, -2 announces none.
        qint64 contentLength = -1;
        // Milliseconds between single bytes of the body; 0 sends it at once.
        int trickleMs = 0;
        // The connection stays open once the body is sent, as a server that has more to say.
        bool keepOpen = false;
        // Bytes of filler after the body, counted in the Content-Length announced by default.
        qint64 filler = 0;
        // Sent with Transfer-Encoding: chunked, and no Content-Length.
        bool chunked = false;
        // Content-Encoding header, none when empty; the body is sent as it is.
        QByteArray encoding;
        // Header lines after the status line for as long as the connection takes them.
        bool endlessHeaders = false;
    };

    HttpTestServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    }

    // `data` as a gzip stream of stored blocks, for answers sent compressed: a cut stream unpacks
    // to the first bytes of `data` (header 10 bytes, 5 before each block, trailer 8).
    static QByteArray gzip(const QByteArray &data)
    {
        quint32 crc = 0xffffffff;
        for (const char c : data) {
            crc ^= uchar(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
        }
        const quint32 trailer[] = {qToLittleEndian(~crc), qToLittleEndian(quint32(data.size()))};
        // qCompress: the length, zlib's 2-byte header, the blocks, a 4-byte checksum.
        return QByteArray::fromHex("1f8b08000000000000ff") + qCompress(data, 0).mid(6).chopped(4)
               + QByteArray(reinterpret_cast<const char *>(trailer), sizeof trailer);
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path); }

    // A request as received: its head (request line and headers) and its body.
    struct Request
    {
        QByteArray head;
        QByteArray body;
        QByteArray header(const QByteArray &name) const
        {
            for (const QByteArray &line : head.split('\n')) {
                const int colon = line.indexOf(':');
                if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                    return line.mid(colon + 1).trimmed();
            }
            return {};
        }
    };

    void setReply(const QString &path, const Reply &reply) { m_replies.insert(path, reply); }
    // Closes every connection still open: headers without end end there.
    void hangUp()
    {
        for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
            socket->abort();
    }
    // The threads of this process, as the system counts them.
    static int threads()
    {
        return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    }
    // Paths of the requests received so far, in order.
    QStringList requests() const { return m_requests; }
    QList<Request> fullRequests() const { return m_fullRequests; }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        Request request{buffer.left(headEnd), buffer.mid(headEnd + 4)};
        // A request with a body is answered once the whole body has arrived.
        if (request.body.size() < request.header("Content-Length").toLongLong())
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        m_fullRequests.append(request);
        const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
        m_requests.append(path);
        Reply reply;
        if (m_replies.contains(path)) {
            reply = m_replies.value(path);
        } else {
            reply.status = 404;
            reply.body = "not found";
        }
        QTimer::singleShot(reply.delayMs, socket, [socket, reply] { answer(socket, reply); });
    }

    static void answer(QTcpSocket *socket, const Reply &reply)
    {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        const qint64 whole = reply.body.size() + reply.filler;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' '
                          + (reply.reason.isEmpty() ? reason(reply.status) : reply.reason) + "\r\n";
        if (reply.endlessHeaders) {
            auto more = [socket] {
                while (socket->bytesToWrite() < 64 * 1024)
                    socket->write("X-Filler: " + QByteArray(1000, 'h') + "\r\n");
            };
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
            socket->write(head);
            more();
            return;
        }
        head += "Content-Type: " + reply.contentType + "\r\n";
        if (reply.chunked)
            head += "Transfer-Encoding: chunked\r\n";
        else if (reply.contentLength != -2)
            head += "Content-Length: " + QByteArray::number(reply.contentLength < 0 ? whole : reply.contentLength)
                    + "\r\n";
        if (!reply.encoding.isEmpty())
            head += "Content-Encoding: " + reply.encoding + "\r\n";
        if (!reply.location.isEmpty())
            head += "Location: " + reply.location + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head);
        const qint64 total = reply.sendOnly < 0 ? whole : std::min(reply.sendOnly, whole);
        auto sent = std::make_shared<qint64>(0);
        // The next `size` bytes of the body and its filler, in a chunk's frame if chunked.
        auto piece = [reply, sent](qint64 size) {
            QByteArray bytes = reply.body.mid(*sent, size);
            bytes.append(QByteArray(size - bytes.size(), 'x'));
            *sent += size;
            return reply.chunked ? QByteArray::number(size, 16) + "\r\n" + bytes + "\r\n" : bytes;
        };
        // A cut answer is cut a moment after its bytes: clients took such a cut for the end.
        auto end = [socket, reply, total, whole] {
            if (reply.chunked && total == whole)
                socket->write("0\r\n\r\n");
            if (reply.keepOpen)
                return;
            if (reply.chunked && total < whole)
                QTimer::singleShot(kCutPauseMs, socket, [socket] { socket->disconnectFromHost(); });
            else
                socket->disconnectFromHost();
        };
        if (reply.trickleMs <= 0) {
            // Written as the connection drains, never more than a few pieces ahead.
            auto fill = [socket, sent, total, piece, end] {
                constexpr qint64 kPiece = 64 * 1024;
                if (*sent >= total)
                    return;
                while (*sent < total && socket->bytesToWrite() < 4 * kPiece)
                    socket->write(piece(std::min(kPiece, total - *sent)));
                if (*sent >= total)
                    end();
            };
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, fill);
            if (total == 0)
                end();
            fill();
            return;
        }
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, total, piece, end] {
            if (*sent >= total) {
                timer->stop();
                end();
                return;
            }
            socket->write(piece(1));
        });
        timer->start(reply.trickleMs);
    }

    static QByteArray reason(int status)
    {
        // clang-format off
        switch (status) {
        case 200: return "OK";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
        }
        // clang-format on
    }

    static constexpr int kCutPauseMs = 60;
    QTcpServer m_server;
    QHash<QString, Reply> m_replies;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QStringList m_requests;
    QList<Request> m_fullRequests;
};
