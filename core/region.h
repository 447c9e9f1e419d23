#pragma once

#include <QObject>
#include <QString>

// ICAO region codes of navigation points, the nationality prefixes of location indicators
// and the English country names behind them. Every operation is static and re-entrant, so the
// import thread of the navigation database may call them as freely as the interface.
class Region : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The part of a region code that identifies a country: one letter for the countries that
    // have a single-letter prefix (C, K, Y, U and Z apart from their two-letter neighbours),
    // otherwise the first two characters.
    static QString regionPrefix(const QString &region);

    // The English name of the country of a region code, or a translated "Unknown region".
    static QString regionName(const QString &region);

    // The prefix of a country as airport metadata writes it, or "*" when the text is unknown.
    static QString regionFromCountry(const QString &country);
};
