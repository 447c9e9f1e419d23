#pragma once

#include "tilekey.h"

#include <QFuture>
#include <QHash>
#include <QObject>
#include <QString>

// The tile files of one cache folder, kept under a size limit counted in tiles ("unitary") or in
// bytes ("bytesize"); the least recently written files go first. The folder is indexed in the
// background, and files are read and written by worker threads, never on the interface thread.
class TileDiskCache : public QObject
{
    Q_OBJECT

public:
    enum class Cost { Unitary, ByteSize };

    explicit TileDiskCache(QObject *parent = nullptr);
    ~TileDiskCache() override;

    void configure(const QString &directory, Cost cost, qint64 limit);
    QString directory() const { return m_directory; }
    // "<prefix>-<z>-<x>-<y>.<format>": prefix names the map type (and tile size).
    QString filePath(const QString &prefix, TileKey key, const QString &format) const;

    // Reads a tile file in a worker thread; the future holds no bytes when it is missing.
    static QFuture<QByteArray> read(const QString &path);
    // Records a file a worker has just written and trims the folder to the limit.
    void added(const QString &path, qint64 bytes);
    qint64 cost() const { return m_total; }
    bool indexed() const { return m_indexed; }

signals:
    void indexReady();

private:
    struct Entry
    {
        qint64 bytes = 0;
        qint64 stamp = 0;
    };
    void trim();

    QString m_directory;
    Cost m_cost = Cost::Unitary;
    qint64 m_limit = 10000;
    QHash<QString, Entry> m_entries;
    qint64 m_total = 0;
    bool m_indexed = false;
    int m_generation = 0;
};
