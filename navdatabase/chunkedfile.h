#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

#include <ctime>

// The stored file read where it lies, from any thread at once, a piece at a time into buffers of
// the reader's. It is never mapped: a mapped file cut short under its reader (a copy written over
// it truncates it first) ends the program on whichever thread touches a page past its new end;
// read, a piece only comes up short, and the file is refused as damaged.
class StoredFile
{
public:
    // The descriptor of an open file, which stays the caller's; its size and time now.
    explicit StoredFile(int descriptor);

    qint64 size() const { return m_size; }
    // Exactly length bytes from offset on; false when the file no longer holds them.
    bool read(qint64 offset, char *to, qint64 length) const;
    // False once the file has been written since it was opened: each piece read may have been
    // whole and still belong to another file than the pieces before it. A copy that keeps the
    // size and the time of modification (cp -p) shows in the time of change, which only the
    // system sets; so does the last name of a file that was replaced whole going, which leaves
    // the bytes read one file.
    bool unchanged() const;
    // Why a file that did not stay unchanged is refused, and one that ends before its data.
    static constexpr const char *kChanged = "it changed while it was read";
    static constexpr const char *kCut = "it is cut short";

private:
    int m_descriptor;
    qint64 m_size = -1;
    timespec m_modified{};
    timespec m_changed{};
};

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
        // Where the stored bytes lie in the file, for a chunk split from a StoredFile, which
        // fetch() reads them from.
        qint64 offset = 0;
        quint32 storedSize = 0;
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
    // The same from a file read where it lies: only the table is read, each chunk's stored bytes
    // are left to fetch().
    static bool split(const StoredFile &file, QList<Chunk> &chunks, QString *errorString);
    // Reads a chunk's stored bytes from the file it was split from; false when the file no
    // longer holds them.
    static bool fetch(Chunk &chunk, const StoredFile &file);

    // Expands one chunk's stored bytes into its bytes; false when they are not one stream (or
    // frame) of its codec of exactly its expanded size.
    static bool expand(Chunk &chunk);
};
