#pragma once

#include <QObject>

#include <grantlee/taglibraryinterface.h>

// The program's own template filters, loaded by a template with {% load waylorefilters %}.
// Grantlee takes filters only from plugins, so they live in this small module beside the
// export library.
class WayloreFilters
    : public QObject
    , public Grantlee::TagLibraryInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.grantlee.TagLibraryInterface")
    Q_INTERFACES(Grantlee::TagLibraryInterface)

public:
    explicit WayloreFilters(QObject *parent = nullptr);

    QHash<QString, Grantlee::Filter *> filters(const QString &name = QString()) override;
};
