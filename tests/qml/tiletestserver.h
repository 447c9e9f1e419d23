#pragma once

#include "httptestserver.h"

#include <QColor>
#include <QObject>
#include <QStringList>

// A tile server of a test's own on 127.0.0.1 for the map pages' Qt Quick Tests: it answers the
// tiles it was told to serve with plain images and records every request. It also empties the
// tile cache folders a test fetches into, so that each run sees its tiles fetched. QML type
// TileTestServer of the module Waylore.Test.
class TileTestServer : public QObject
{
    Q_OBJECT

public:
    explicit TileTestServer(QObject *parent = nullptr);

    // Starts listening at a free port; false when it cannot.
    Q_INVOKABLE bool listen();
    Q_INVOKABLE QString url(const QString &path) const;
    // Answers every tile of level `zoom` under `pathTemplate` (with %z, %x and %y) with a
    // 256-pixel image of one colour.
    Q_INVOKABLE void serveTiles(const QString &pathTemplate, int zoom, const QColor &colour);
    // Paths (with queries) of the requests received so far, in order.
    Q_INVOKABLE QStringList requests() const;
    // Removes `folder` below the writable cache location with all its contents.
    Q_INVOKABLE bool clearCache(const QString &folder) const;
    // Number of files below `folder` under the writable cache location.
    Q_INVOKABLE int cachedFiles(const QString &folder) const;

private:
    HttpTestServer m_server;
};
