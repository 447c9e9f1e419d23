#pragma once

#include <QString>

// Builds the HTML fragments of tooltips, the information panel and printouts by appending
// pieces; html() returns the text closed with "</body>".
//
// The appenders and the wrapping functions insert their text verbatim, as HTML. Any text
// that comes from a file, the simulator or a server must go through escape() first.
//
// Option bits: 2 adds "<br/>" after a label-value line, 4 wraps it in "<li>", 8 gives a table
// the full width, 16 turns a "qrc:/" image URL into a ":/" resource path.
class RichText
{
public:
    explicit RichText(const QString &html = QString());

    QString html() const;
    void append(const QString &text);

    void addBreak();
    void addSpace();
    void beginListItem();
    void endListItem();
    void endParagraph();
    void endTable();
    void beginRow();
    void endRow();
    void endCell();
    void endHeaderCell();
    void beginList();
    void endList();

    void addH1(const QString &text);
    void addH2(const QString &text);
    void addH3(const QString &text);
    void addParagraph(const QString &text);
    void addBold(const QString &text);
    void addItalic(const QString &text);
    void addSmall(const QString &text);
    void addStyle(const QString &text);
    void addList(const QString &text);
    void addListItem(const QString &text);
    void addRow(const QString &text);
    void addCell(const QString &text);
    void addHeaderCell(const QString &text);

    void beginTable(int options = 0);
    void beginParagraph(const QString &className = QString());
    void addCellSpan(const QString &text, int span);
    void addHeaderCellSpan(const QString &text, int span);
    void addLabelValue(const QString &label, const QString &value, int options = 0);
    void addImage(const QString &path, int size, int options = 0);

    static QString br();
    static QString nbsp();
    static QString bold(const QString &text);
    static QString italic(const QString &text);
    static QString small(const QString &text);
    static QString paragraph(const QString &text);
    static QString labelValue(const QString &label, const QString &value);
    static QString image(const QString &path, int size, int options = 0);
    static QString link(const QString &text, const QString &url);
    // One glyph of the icon font, as stripImages() finds it.
    static QString glyph(char16_t codePoint);
    // Removes single-glyph icon font spans and resource image tags, for places that cannot show them.
    static QString stripImages(const QString &html);

    // Plain text made safe to insert as HTML: &, <, > and " become entities.
    static QString escape(const QString &text);

private:
    QString m_html;
};
