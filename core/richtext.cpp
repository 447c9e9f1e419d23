#include "richtext.h"

#include "constants.h"

#include <QRegularExpression>

namespace {
constexpr int kBreakAfter = 2;
constexpr int kListItem = 4;
constexpr int kFullWidth = 8;
constexpr int kResourcePath = 16;

QString cellSpan(const QString &tag, const QString &text, int span)
{
    QString result = QLatin1Char('<') + tag;
    if (span >= 2)
        result += QStringLiteral(" colspan=\"%1\"").arg(span);
    return result + QLatin1Char('>') + text + QStringLiteral("</") + tag + QLatin1Char('>');
}
} // namespace

RichText::RichText(const QString &html)
    : m_html(html.isEmpty() ? QStringLiteral("<body>") : html)
{
}

QString RichText::html() const
{
    return m_html + QStringLiteral("</body>");
}

// One-line members, kept as a table.
// clang-format off
void RichText::append(const QString &text) { m_html += text; }

void RichText::addBreak() { m_html += QStringLiteral("<br/>"); }
void RichText::addSpace() { m_html += QStringLiteral("&nbsp;"); }
void RichText::beginListItem() { m_html += QStringLiteral("<li>"); }
void RichText::endListItem() { m_html += QStringLiteral("</li>"); }
void RichText::endParagraph() { m_html += QStringLiteral("</p>"); }
void RichText::endTable() { m_html += QStringLiteral("</table>"); }
void RichText::beginRow() { m_html += QStringLiteral("<tr>"); }
void RichText::endRow() { m_html += QStringLiteral("</tr>"); }
void RichText::endCell() { m_html += QStringLiteral("</td>"); }
void RichText::endHeaderCell() { m_html += QStringLiteral("</th>"); }
void RichText::beginList() { m_html += QStringLiteral("<ul>"); }
void RichText::endList() { m_html += QStringLiteral("</ul>"); }

void RichText::addH1(const QString &text) { m_html += QStringLiteral("<h1>") + text + QStringLiteral("</h1>"); }
void RichText::addH2(const QString &text) { m_html += QStringLiteral("<h2>") + text + QStringLiteral("</h2>"); }
void RichText::addH3(const QString &text) { m_html += QStringLiteral("<h3>") + text + QStringLiteral("</h3>"); }
void RichText::addParagraph(const QString &text) { m_html += paragraph(text); }
void RichText::addBold(const QString &text) { m_html += bold(text); }
void RichText::addItalic(const QString &text) { m_html += italic(text); }
void RichText::addSmall(const QString &text) { m_html += small(text); }
void RichText::addStyle(const QString &text) { m_html += QStringLiteral("<style>") + text + QStringLiteral("</style>"); }
void RichText::addList(const QString &text) { m_html += QStringLiteral("<ul>") + text + QStringLiteral("</ul>"); }
void RichText::addListItem(const QString &text) { m_html += QStringLiteral("<li>") + text + QStringLiteral("</li>"); }
void RichText::addRow(const QString &text) { m_html += QStringLiteral("<tr>") + text + QStringLiteral("</tr>"); }
void RichText::addCell(const QString &text) { m_html += QStringLiteral("<td>") + text + QStringLiteral("</td>"); }
void RichText::addHeaderCell(const QString &text) { m_html += QStringLiteral("<th>") + text + QStringLiteral("</th>"); }
// clang-format on

void RichText::beginTable(int options)
{
    m_html += QStringLiteral("<table");
    if (options & kFullWidth)
        m_html += QStringLiteral(" width=\"100%\"");
    m_html += QLatin1Char('>');
}

void RichText::beginParagraph(const QString &className)
{
    m_html += QStringLiteral("<p");
    if (!className.isEmpty())
        m_html += QStringLiteral(" class=\"") + className + QLatin1Char('"');
    m_html += QLatin1Char('>');
}

void RichText::addCellSpan(const QString &text, int span)
{
    m_html += cellSpan(QStringLiteral("td"), text, span);
}

void RichText::addHeaderCellSpan(const QString &text, int span)
{
    m_html += cellSpan(QStringLiteral("th"), text, span);
}

void RichText::addLabelValue(const QString &label, const QString &value, int options)
{
    if (options & kListItem)
        m_html += QStringLiteral("<li>");
    m_html += labelValue(label, value);
    if (options & kListItem)
        m_html += QStringLiteral("</li>");
    if (options & kBreakAfter)
        m_html += QStringLiteral("<br/>");
}

void RichText::addImage(const QString &path, int size, int options)
{
    m_html += image(path, size, options);
}

// clang-format off
QString RichText::br() { return QStringLiteral("<br/>"); }
QString RichText::nbsp() { return QStringLiteral("&nbsp;"); }
QString RichText::bold(const QString &text) { return QStringLiteral("<b>") + text + QStringLiteral("</b>"); }
QString RichText::italic(const QString &text) { return QStringLiteral("<i>") + text + QStringLiteral("</i>"); }
QString RichText::small(const QString &text) { return QStringLiteral("<small>") + text + QStringLiteral("</small>"); }
QString RichText::paragraph(const QString &text) { return QStringLiteral("<p>") + text + QStringLiteral("</p>"); }
// clang-format on

QString RichText::labelValue(const QString &label, const QString &value)
{
    // Both filled in one pass: a "%2" inside the label must stay as it is.
    return QStringLiteral("<b>%1</b>: %2").arg(label, value);
}

QString RichText::image(const QString &path, int size, int options)
{
    if (path.isEmpty())
        return QString();
    QString source = path;
    if ((options & kResourcePath) && source.startsWith(QLatin1String("qrc")))
        source = source.mid(3);
    return QStringLiteral("<img width=\"%1\" height=\"%1\" src=\"%2\" valign=\"%3\"/>")
        .arg(QString::number(size), source, QStringLiteral("center"));
}

QString RichText::link(const QString &text, const QString &url)
{
    return QStringLiteral("<a href=\"") + url + QStringLiteral("\" style=\"color: ") + Constants::linkColor()
           + QStringLiteral(";\">") + text + QStringLiteral("</a>");
}

QString RichText::glyph(char16_t codePoint)
{
    return QStringLiteral("<font face=\"Font Awesome 6 Free\">") + QChar(codePoint) + QStringLiteral("</font>");
}

QString RichText::stripImages(const QString &html)
{
    // Function-local statics: built once, thread-safely, on first use.
    static const QRegularExpression glyph(QStringLiteral("<font face=\"Font Awesome 6 Free\">.</font>"));
    static const QRegularExpression imageTag(QStringLiteral("<img( \\w+=\"[\\w:./]+\")+/>"));
    QString result = html;
    result.remove(glyph);
    result.remove(imageTag);
    return result;
}

QString RichText::escape(const QString &text)
{
    return text.toHtmlEscaped();
}
