#pragma once

#include <QtGlobal>

// Every bound of the stored database file, judged before anything is allocated for what the
// file claims: a claim past them is damage (or a forged file), and the file is refused. A failed
// allocation while reading refuses the file too; no file ends the program.
namespace DatabaseBounds {

// Deflate expands at most about 1032 times (zstd less): a chunk whose table entry claims more
// than this of its compressed bytes is refused before it is expanded (ChunkedFile::split).
constexpr qint64 kMaxExpansion = 1100;
constexpr qint64 kExpansionSlack = 1024;

// What records can expand to: their bytes expanded seven times as far as a real world's file
// does (4.6), for records of any size that compress as records do, and one record far beyond the
// rest on top. A chunk (DatabaseChunks) may need more for its counted records (kRecordBytes);
// the single-stream layout's records cannot be counted before they are expanded, so this alone
// bounds it (Database::readStoredFile).
constexpr qint64 kPlainExpansion = 32;
constexpr qint64 kOneLargeRecord = 1024 * 1024;

// A chunk's records, by list in the file's order (header, points, procedures, segments, runways,
// boundaries, taxiways, paintings and lights, taxi names, start-ups): about ten times the
// largest average a world-size import's chunks have (points 200 bytes, procedures 1,100,
// boundaries 620). No chunk holds more records than the file's layout puts in one; a count
// beyond its records shows as they are read.
constexpr qint64 kRecordBytes[] = {0, 2048, 16384, 1024, 1024, 8192, 8192, 4096, 512, 512};

// The chunks of one file: each holds hundreds of records or more (DatabaseChunks), and a
// world-size file has a few hundred. A table counting more is refused on the count alone, before
// the table a forged file names is read.
constexpr qint64 kMostChunks = 65536;

} // namespace DatabaseBounds
