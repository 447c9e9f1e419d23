#include "wrapfilter.h"

#include "filtervalue.h"

#include <QStringList>

QVariant WrapFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    bool ok = false;
    const double width = filterNumber(argument, &ok);
    const QString text = filterText(input);
    if (!ok || !(width >= 1 && width < 1e6))
        return text;
    return wrap(text, int(width));
}

QString WrapFilter::wrap(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines.append(line);
                line.clear();
            }
            if (!line.isEmpty())
                line += QLatin1Char(' ');
            line += word;
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}
