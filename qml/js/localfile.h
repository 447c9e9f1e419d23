#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// Turns local paths into file URLs and back the way the platform does: '#', '?', '%', blanks
// and drive letters survive the round trip, which hand-made string surgery in script got wrong.
class LocalFile : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // A file URL (string or url) as a local path; any other text is taken as a path already.
    Q_INVOKABLE static QString toPath(const QVariant &url);
    // A local path as a fully encoded file URL.
    Q_INVOKABLE static QString toUrl(const QString &path);
    // The folder a file dialog can start in: `path` itself, made when it is missing, or the
    // home folder when it cannot be made.
    Q_INVOKABLE static QString usableFolder(const QString &path);
    // `path` with the ending of a file-dialog name filter ("X-Plane 11/12 FMS (*.fms)") added
    // when its file name has none, as the platform's save dialogs do; unchanged when the
    // filter names no ending ("All (*)").
    Q_INVOKABLE static QString withExtension(const QString &path, const QString &nameFilter);
    // Whether a file or folder of that local path exists.
    Q_INVOKABLE static bool exists(const QString &path);
    // Writes the picture whole in place of the file at path, in the format its ending names:
    // an empty text, or why the file is as it was. (A grab result's own saveToFile() truncates
    // the older file first and misses a write the disk refuses.)
    Q_INVOKABLE static QString saveImage(const QImage &image, const QString &path);
};
