#pragma once

#include <QList>
#include <QStringList>

// The oceanic tracks every import adds without a download: each row is the track identifier
// followed by its points in order, named fixes or coordinates as the track service writes them.
namespace PredefinedTracks {

const QList<QStringList> &nat();
const QList<QStringList> &pacots();

} // namespace PredefinedTracks
