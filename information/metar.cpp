#include "metar.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Free functions have no class to translate in; this one lends them the context "Metar".
class MetarText
{
    Q_DECLARE_TR_FUNCTIONS(Metar)
};

// The decoder's working values of one report.
struct Observation
{
    QString wind;
    QString variation;
    QString visibility;
    QStringList weather;
    QStringList clouds;
    QString temperature;
    QString dewPoint;
    QString altimeter;
    bool automated = false;

    bool isEmpty() const
    {
        return wind.isEmpty() && variation.isEmpty() && visibility.isEmpty() && weather.isEmpty() && clouds.isEmpty()
               && temperature.isEmpty() && dewPoint.isEmpty() && altimeter.isEmpty();
    }
};

// Built on every call, so that the texts follow the language in force.
QHash<QString, QString> cloudCoverTexts()
{
    return {
        {QStringLiteral("FEW"), MetarText::tr("Few clouds")},
        {QStringLiteral("SCT"), MetarText::tr("Scattered clouds")},
        {QStringLiteral("BKN"), MetarText::tr("Broken cloud cover")},
        {QStringLiteral("OVC"), MetarText::tr("Overcast")},
        {QStringLiteral("VV"), MetarText::tr("Vertical visibility")},
    };
}

QHash<QString, QString> weatherCodeTexts()
{
    return {
        {QStringLiteral("DZ"), MetarText::tr("drizzle")},
        {QStringLiteral("RA"), MetarText::tr("rain")},
        {QStringLiteral("SN"), MetarText::tr("snow")},
        {QStringLiteral("SG"), MetarText::tr("snow grains")},
        {QStringLiteral("IC"), MetarText::tr("ice crystals")},
        {QStringLiteral("PL"), MetarText::tr("ice pellets")},
        {QStringLiteral("GR"), MetarText::tr("hail")},
        {QStringLiteral("GS"), MetarText::tr("small hail or snow pellets")},
        {QStringLiteral("UP"), MetarText::tr("unknown precipitation")},
        {QStringLiteral("BR"), MetarText::tr("mist")},
        {QStringLiteral("FG"), MetarText::tr("fog")},
        {QStringLiteral("FU"), MetarText::tr("smoke")},
        {QStringLiteral("VA"), MetarText::tr("volcanic ash")},
        {QStringLiteral("DU"), MetarText::tr("widespread dust")},
        {QStringLiteral("SA"), MetarText::tr("sand")},
        {QStringLiteral("HZ"), MetarText::tr("haze")},
        {QStringLiteral("PY"), MetarText::tr("spray")},
        {QStringLiteral("PO"), MetarText::tr("dust or sand whirls")},
        {QStringLiteral("SQ"), MetarText::tr("squalls")},
        {QStringLiteral("FC"), MetarText::tr("funnel cloud")},
        {QStringLiteral("SS"), MetarText::tr("sandstorm")},
        {QStringLiteral("DS"), MetarText::tr("duststorm")},
    };
}

QString withIntensity(const QString &intensity, const QString &text)
{
    if (intensity == QLatin1String("-"))
        return MetarText::tr("light %1").arg(text);
    if (intensity == QLatin1String("+"))
        return MetarText::tr("heavy %1").arg(text);
    return text;
}

// Base 10; a field that is not a number counts as 0.
int toNumber(const QString &field)
{
    return field.toInt(nullptr, 10);
}

QString windText(const QRegularExpressionMatch &m)
{
    const QString direction = m.captured(1);
    const QString speed = m.captured(2);
    const QString gust = m.captured(3);
    const QString unitCode = m.captured(4);

    QString unit;
    if (unitCode == QLatin1String("KT"))
        unit = MetarText::tr("kt");
    else if (unitCode == QLatin1String("MPS"))
        unit = MetarText::tr("m/s");
    else
        unit = MetarText::tr("km/h");

    // "P" means "more than": a speed beyond the scale is no calm, whatever its digits say.
    if (direction == QLatin1String("000") && !speed.startsWith(QLatin1Char('P')) && toNumber(speed) == 0
        && gust.isEmpty())
        return MetarText::tr("Calm");

    QString text;
    if (direction == QLatin1String("VRB"))
        text = MetarText::tr("Variable direction at %1 %2").arg(Metar::formatSpeed(speed), unit);
    else
        text = MetarText::tr("From %1° true at %2 %3")
                   .arg(QString::number(toNumber(direction)), Metar::formatSpeed(speed), unit);
    if (!gust.isEmpty())
        text += MetarText::tr(", gusting to %1 %2").arg(Metar::formatSpeed(gust), unit);
    return text;
}

QString cloudText(const QRegularExpressionMatch &m, const QHash<QString, QString> &covers)
{
    const QString cover = covers.value(m.captured(1));
    const QString height = m.captured(2);
    const QString type = m.captured(3);

    QString text;
    if (height == QLatin1String("///")) {
        text = MetarText::tr("%1, height unavailable").arg(cover);
    } else {
        const int hundreds = toNumber(height);
        if (hundreds != 0)
            text = MetarText::tr("%1 at %2 ft above ground").arg(cover, QString::number(hundreds * 100));
        else
            text = MetarText::tr("%1 below 100 ft above ground").arg(cover);
    }
    if (type == QLatin1String("CB"))
        text += MetarText::tr(" (cumulonimbus)");
    else if (type == QLatin1String("TCU"))
        text += MetarText::tr(" (towering cumulus)");
    return text;
}

QString skyClearText(const QString &token)
{
    if (token == QLatin1String("SKC"))
        return MetarText::tr("Clear sky");
    if (token == QLatin1String("CLR"))
        return MetarText::tr("No clouds detected below 12000 ft");
    if (token == QLatin1String("NCD"))
        return MetarText::tr("No clouds detected");
    if (token == QLatin1String("NSC"))
        return MetarText::tr("No significant clouds");
    return {};
}

bool isStopWord(const QString &token)
{
    return token == QLatin1String("RMK") || token == QLatin1String("TEMPO") || token == QLatin1String("BECMG")
           || token == QLatin1String("NOSIG") || token == QLatin1String("INTER");
}

} // namespace

namespace Metar {

QList<QPair<QString, QString>> decode(const QString &metar)
{
    // Compiled once; thread-safe static initialisation guards the first call.
    static const QRegularExpression headerPattern(QStringLiteral(
        R"(^(?:(?:METAR|SPECI) )?(?:COR )?[A-Z0-9]{4} ((?:0[1-9]|[12][0-9]|3[01])(?:[01][0-9]|2[0-3])[0-5][0-9])Z(?: |$))"));
    static const QRegularExpression windPattern(
        QStringLiteral(R"(^(\d{3}|VRB)(P?\d{2,3})(?:G(P?\d{2,3}))?(KT|MPS|KMH)$)"));
    static const QRegularExpression variationPattern(QStringLiteral(R"(^(\d{3})V(\d{3})$)"));
    static const QRegularExpression metresPattern(QStringLiteral(R"(^(\d{4})(?:NDV)?$)"));
    static const QRegularExpression milesPattern(QStringLiteral(R"(^([MP])?(\d+(?:/[1-9]\d*)?)SM$)"));
    static const QRegularExpression mileFractionPattern(QStringLiteral(R"(^\d+/[1-9]\d*SM$)"));
    static const QRegularExpression wholeMilesPattern(QStringLiteral(R"(^\d{1,2}$)"));
    static const QRegularExpression cloudPattern(QStringLiteral(R"(^(FEW|SCT|BKN|OVC|VV)(\d{3}|///)(CB|TCU|///)?$)"));
    static const QRegularExpression temperaturePattern(QStringLiteral(R"(^(M?\d{2}|//)/(M?\d{2}|//)?$)"));
    static const QRegularExpression altimeterPattern(QStringLiteral(R"(^(Q|A)(\d{4})$)"));

    QString text = metar.simplified();
    if (text.endsWith(QLatin1Char('=')))
        text.chop(1);

    const QRegularExpressionMatch header = headerPattern.match(text);
    if (!header.hasMatch())
        return {};
    const QString time = header.captured(1);

    const QStringList tokens = text.mid(header.capturedEnd(0)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty() || tokens.first() == QLatin1String("NIL"))
        return {};

    const QHash<QString, QString> covers = cloudCoverTexts();
    Observation obs;

    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);

        if (isStopWord(token))
            break;

        if (token == QLatin1String("AUTO")) {
            obs.automated = true;
            continue;
        }

        if (obs.wind.isEmpty()) {
            const QRegularExpressionMatch m = windPattern.match(token);
            if (m.hasMatch()) {
                // A direction beyond 360 is corrupt: drop the group, a later one may still count.
                if (m.captured(1) == QLatin1String("VRB") || toNumber(m.captured(1)) <= 360)
                    obs.wind = windText(m);
                continue;
            }
        }

        {
            const QRegularExpressionMatch m = variationPattern.match(token);
            if (m.hasMatch()) {
                const int from = toNumber(m.captured(1));
                const int to = toNumber(m.captured(2));
                if (from <= 360 && to <= 360) {
                    obs.variation
                        = MetarText::tr("Varying from %1° to %2° true").arg(QString::number(from), QString::number(to));
                    continue;
                }
            }
        }

        if (token == QLatin1String("CAVOK")) {
            obs.visibility = MetarText::tr("10 km or more");
            obs.weather << MetarText::tr("No significant weather");
            obs.clouds << MetarText::tr(
                "No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering cumulus");
            continue;
        }

        if (obs.visibility.isEmpty()) {
            const QRegularExpressionMatch metres = metresPattern.match(token);
            if (metres.hasMatch()) {
                const int v = toNumber(metres.captured(1));
                if (v == 9999)
                    obs.visibility = MetarText::tr("10 km or more");
                else if (v == 0)
                    obs.visibility = MetarText::tr("Less than 50 m");
                else
                    obs.visibility = MetarText::tr("%1 m").arg(v);
                continue;
            }
            // Whole and fractional statute miles come as two groups ("1 1/2SM").
            if (i + 1 < tokens.size() && wholeMilesPattern.match(token).hasMatch()
                && mileFractionPattern.match(tokens.at(i + 1)).hasMatch()) {
                const QString &fraction = tokens.at(i + 1);
                obs.visibility = MetarText::tr("%1 %2 statute miles").arg(token, fraction.left(fraction.size() - 2));
                ++i;
                continue;
            }

            const QRegularExpressionMatch miles = milesPattern.match(token);
            if (miles.hasMatch()) {
                const QString qualifier = miles.captured(1);
                const QString value = miles.captured(2);
                if (qualifier == QLatin1String("M"))
                    obs.visibility = MetarText::tr("Less than %1 statute miles").arg(value);
                else if (qualifier == QLatin1String("P"))
                    obs.visibility = MetarText::tr("More than %1 statute miles").arg(value);
                else
                    obs.visibility = MetarText::tr("%1 statute miles").arg(value);
                continue;
            }
        }

        {
            const QRegularExpressionMatch m = cloudPattern.match(token);
            if (m.hasMatch()) {
                obs.clouds << cloudText(m, covers);
                continue;
            }
        }

        {
            const QString clear = skyClearText(token);
            if (!clear.isEmpty()) {
                obs.clouds << clear;
                continue;
            }
        }

        {
            const QRegularExpressionMatch m = temperaturePattern.match(token);
            if (m.hasMatch()) {
                obs.temperature = formatTemperature(m.captured(1));
                obs.dewPoint = formatTemperature(m.captured(2));
                continue;
            }
        }

        {
            const QRegularExpressionMatch m = altimeterPattern.match(token);
            if (m.hasMatch()) {
                const int n = toNumber(m.captured(2));
                if (m.captured(1) == QLatin1String("Q"))
                    obs.altimeter = MetarText::tr("%1 hPa").arg(n);
                else
                    obs.altimeter = MetarText::tr("%1 inHg").arg(QString::number(n / 100.0, 'f', 2));
                continue;
            }
        }

        const QString phrase = decodeWeather(token);
        if (!phrase.isEmpty())
            obs.weather << phrase;
    }

    if (obs.isEmpty())
        return {};

    QList<QPair<QString, QString>> rows;
    const auto add = [&rows](const QString &label, const QString &value) {
        if (!value.isEmpty())
            rows.append({label, value});
    };
    add(MetarText::tr("Observed"), MetarText::tr("Day %1 of the month, %2:%3 UTC")
                                       .arg(QString::number(toNumber(time.left(2))), time.mid(2, 2), time.mid(4, 2)));
    if (obs.automated)
        add(MetarText::tr("Report"), MetarText::tr("Automated observation"));
    add(MetarText::tr("Wind"), obs.wind);
    add(MetarText::tr("Wind direction"), obs.variation);
    add(MetarText::tr("Visibility"), obs.visibility);
    add(MetarText::tr("Weather"), obs.weather.join(QLatin1String("; ")));
    add(MetarText::tr("Clouds"), obs.clouds.join(QLatin1String("; ")));
    add(MetarText::tr("Temperature"), obs.temperature);
    add(MetarText::tr("Dew point"), obs.dewPoint);
    add(MetarText::tr("Altimeter (QNH)"), obs.altimeter);
    return rows;
}

QString decodeWeather(const QString &token)
{
    static const QRegularExpression weatherPattern(
        QStringLiteral("^([+-])?(VC)?(MI|PR|BC|DR|BL|SH|TS|FZ)?"
                       "((?:DZ|RA|SN|SG|IC|PL|GR|GS|UP|BR|FG|FU|VA|DU|SA|HZ|PY|PO|SQ|FC|SS|DS){0,3})$"));

    const QRegularExpressionMatch m = weatherPattern.match(token);
    if (!m.hasMatch())
        return {};
    const QString intensity = m.captured(1);
    const bool vicinity = !m.captured(2).isEmpty();
    const QString descriptor = m.captured(3);
    const QString codes = m.captured(4);

    // Only thunderstorms and showers stand on their own without a phenomenon.
    if (codes.isEmpty() && descriptor != QLatin1String("TS") && descriptor != QLatin1String("SH"))
        return {};

    const QHash<QString, QString> table = weatherCodeTexts();
    QStringList phenomena;
    for (qsizetype pos = 0; pos + 1 < codes.size(); pos += 2)
        phenomena << table.value(codes.mid(pos, 2));
    const QString phenomenaText = phenomena.join(MetarText::tr(" and "));

    QString result;
    if (descriptor == QLatin1String("TS") && !phenomenaText.isEmpty()) {
        // The intensity belongs to the precipitation, not to the thunderstorm.
        result = MetarText::tr("thunderstorm with %1").arg(withIntensity(intensity, phenomenaText));
    } else {
        if (descriptor == QLatin1String("TS"))
            result = MetarText::tr("thunderstorm");
        else if (descriptor == QLatin1String("SH"))
            result = phenomenaText.isEmpty() ? MetarText::tr("showers")
                                             : MetarText::tr("showers of %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("FZ"))
            result = MetarText::tr("freezing %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("MI"))
            result = MetarText::tr("shallow %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("PR"))
            result = MetarText::tr("partial %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("BC"))
            result = MetarText::tr("patches of %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("DR"))
            result = MetarText::tr("low drifting %1").arg(phenomenaText);
        else if (descriptor == QLatin1String("BL"))
            result = MetarText::tr("blowing %1").arg(phenomenaText);
        else
            result = phenomenaText;
        result = withIntensity(intensity, result);
    }
    if (vicinity)
        result = MetarText::tr("%1 in the vicinity").arg(result);
    if (token == QLatin1String("+FC"))
        result = MetarText::tr("tornado or waterspout");
    return result;
}

QString formatTemperature(const QString &field)
{
    if (field.isEmpty() || field == QLatin1String("//"))
        return {};
    QString number;
    if (field.startsWith(QLatin1Char('M')))
        number = QLatin1Char('-') + QString::number(toNumber(field.mid(1)));
    else
        number = QString::number(toNumber(field));
    return MetarText::tr("%1 °C").arg(number);
}

QString formatSpeed(const QString &field)
{
    if (field.startsWith(QLatin1Char('P')))
        return MetarText::tr("more than %1").arg(toNumber(field.mid(1)));
    return QString::number(toNumber(field));
}

} // namespace Metar
