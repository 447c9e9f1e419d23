#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

// The layout of the stored database file that lets the cores share its writing and reading.
//
// The first layout is one zlib stream of the whole payload behind its length (what qCompress
// writes): one core compresses it and one core must expand it whole before anything can be
// read. This layout cuts the payload into chunks, each compressed on its own and listed in a
// table ahead of them, so that every chunk can be expanded and read on any core:
//
//   0      4  zero (a single-stream file states its payload length there, never 0)
//   4      4  "WLDZ": the chunks are zstd frames; "WLDC" (files of earlier versions): zlib streams
//   8      4  number of chunks n
//   12  16*n  per chunk: its list, its item count, its size expanded, its size compressed
//   ...       the chunks' compressed bytes, in table order
//
// zstd at its quickest level makes files of the size zlib's quickest level makes, in under half
// its time, and expands them quicker too: on one core the compression was the larger part of
// writing the file. Files of either kind are read.
//
// All numbers are unsigned 32-bit, big-endian. What a chunk holds is the business of whoever
// writes and reads the file: the list number and item count are kept for them unread.
// The bytes depend on the chunks alone, never on the number of threads that made them.
class ChunkedFile
{
public:
    // How the chunks of a file are compressed; a file holds chunks of one kind.
    enum class Codec { Zlib, Zstd };

    struct Chunk
    {
        quint32 list = 0;
        quint32 items = 0;
        // Expanded: what the caller wrote or reads.
        QByteArray bytes;
        // Compressed, as the file holds it.
        QByteArray stored;
        quint32 expandedSize = 0;
        Codec codec = Codec::Zstd;
    };

    // True when the file begins as this layout does (it may still be damaged).
    static bool isChunked(QByteArrayView file);

    // Compresses the chunk's bytes (with its codec, at the quickest level) into its stored bytes and lets the
    // bytes go; false on failure.
    static bool compress(Chunk &chunk);
    // Compresses every chunk that still has its bytes (the chunks shared among the global
    // thread pool's threads) and lays out the file; the chunks' stored bytes are let go as
    // they are copied. Empty on failure.
    static QByteArray compose(QList<Chunk> &chunks);
    // The same file written to device as it is laid out, each chunk's stored bytes let go once
    // written: the file is never held whole beside them. The number of bytes written, or -1
    // when a chunk cannot be compressed, the chunks are not all of one codec, or the device
    // takes less than it is given.
    static qint64 write(QList<Chunk> &chunks, QIODevice &device);

    // Reads the table and cuts out each chunk's stored bytes (shared with the file, not
    // copied). False, with errorString, when the table does not fit the file: a size beyond
    // what the bytes left can hold, a chunk running past the end, bytes after the last one.
    static bool split(const QByteArray &file, QList<Chunk> &chunks, QString *errorString);

    // Expands one chunk's stored bytes into its bytes; false when they are not one stream (or
    // frame) of its codec of exactly its expanded size.
    static bool expand(Chunk &chunk);
};
