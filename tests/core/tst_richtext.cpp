#include "richtext.h"

#include <QTextDocument>
#include <QtTest>

#include <functional>

using Build = std::function<void(RichText &)>;
Q_DECLARE_METATYPE(Build)

class TestRichText : public QObject
{
    Q_OBJECT

private slots:
    void builder_data();
    void builder();
    void htmlLeavesBuilderUnchanged();
    void image_data();
    void image();
    void labelValueKeepsPercentMarkers();
    void link();
    void stripImages_data();
    void stripImages();
    void escape_data();
    void escape();
};

void TestRichText::builder_data()
{
    // clang-format off
    QTest::addColumn<Build>("build");
    QTest::addColumn<QString>("html");

    QTest::newRow("new") << Build([](RichText &) {}) << "<body></body>";
    QTest::newRow("h1") << Build([](RichText &r) { r.addH1(QStringLiteral("Title")); }) << "<body><h1>Title</h1></body>";
    QTest::newRow("fixed tags") << Build([](RichText &r) {
        r.addBreak(); r.addSpace(); r.beginList(); r.beginListItem(); r.endListItem(); r.endList();
        r.beginRow(); r.endCell(); r.endHeaderCell(); r.endRow(); r.endTable(); r.endParagraph();
    }) << "<body><br/>&nbsp;<ul><li></li></ul><tr></td></th></tr></table></p></body>";
    QTest::newRow("wrapped") << Build([](RichText &r) {
        r.addH2(QStringLiteral("a")); r.addH3(QStringLiteral("b")); r.addParagraph(QStringLiteral("c"));
        r.addBold(QStringLiteral("d")); r.addItalic(QStringLiteral("e")); r.addSmall(QStringLiteral("f"));
        r.addStyle(QStringLiteral("g")); r.addList(QStringLiteral("h")); r.addListItem(QStringLiteral("i"));
        r.addRow(QStringLiteral("j")); r.addCell(QStringLiteral("k")); r.addHeaderCell(QStringLiteral("l"));
    }) << "<body><h2>a</h2><h3>b</h3><p>c</p><b>d</b><i>e</i><small>f</small><style>g</style><ul>h</ul><li>i</li>"
          "<tr>j</tr><td>k</td><th>l</th></body>";
    QTest::newRow("label value 6") << Build([](RichText &r) { r.addLabelValue(QStringLiteral("Label"), QStringLiteral("12"), 6); })
                                   << "<body><li><b>Label</b>: 12</li><br/></body>";
    QTest::newRow("label value 0") << Build([](RichText &r) { r.addLabelValue(QStringLiteral("Label"), QStringLiteral("12"), 0); })
                                   << "<body><b>Label</b>: 12</body>";
    QTest::newRow("label value empty value") << Build([](RichText &r) { r.addLabelValue(QStringLiteral("Label"), QString(), 2); })
                                             << "<body><b>Label</b>: <br/></body>";
    QTest::newRow("cell span 1") << Build([](RichText &r) { r.addCellSpan(QStringLiteral("x"), 1); }) << "<body><td>x</td></body>";
    QTest::newRow("cell span 0") << Build([](RichText &r) { r.addCellSpan(QStringLiteral("x"), 0); }) << "<body><td>x</td></body>";
    QTest::newRow("cell span -3") << Build([](RichText &r) { r.addCellSpan(QStringLiteral("x"), -3); }) << "<body><td>x</td></body>";
    QTest::newRow("cell span 3") << Build([](RichText &r) { r.addCellSpan(QStringLiteral("x"), 3); })
                                 << "<body><td colspan=\"3\">x</td></body>";
    QTest::newRow("header cell span 2") << Build([](RichText &r) { r.addHeaderCellSpan(QStringLiteral("x"), 2); })
                                        << "<body><th colspan=\"2\">x</th></body>";
    QTest::newRow("table 0") << Build([](RichText &r) { r.beginTable(0); }) << "<body><table></body>";
    for (int options : {8, 9, 24})
        QTest::addRow("table %d", options) << Build([options](RichText &r) { r.beginTable(options); })
                                           << "<body><table width=\"100%\"></body>";
    QTest::newRow("paragraph no class") << Build([](RichText &r) { r.beginParagraph(QString()); }) << "<body><p></body>";
    QTest::newRow("paragraph class") << Build([](RichText &r) { r.beginParagraph(QStringLiteral("note")); })
                                     << "<body><p class=\"note\"></body>";
    QTest::newRow("image empty path") << Build([](RichText &r) { r.addImage(QString(), 16, 16); }) << "<body></body>";
    // clang-format on
}

void TestRichText::builder()
{
    QFETCH(Build, build);
    QFETCH(QString, html);
    RichText text;
    build(text);
    QCOMPARE(text.html(), html);
}

void TestRichText::htmlLeavesBuilderUnchanged()
{
    RichText text(QStringLiteral("<html><body>"));
    text.append(QStringLiteral("x"));
    QCOMPARE(text.html(), QStringLiteral("<html><body>x</body>"));
    QCOMPARE(text.html(), QStringLiteral("<html><body>x</body>"));
}

void TestRichText::image_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("html");
    QTest::newRow("qrc with option") << "qrc:/icon/airport.svg" << 16
                                     << "<img width=\"16\" height=\"16\" src=\":/icon/airport.svg\" valign=\"center\"/>";
    QTest::newRow("qrc without option") << "qrc:/icon/airport.svg" << 0
                                        << "<img width=\"16\" height=\"16\" src=\"qrc:/icon/airport.svg\" valign=\"center\"/>";
    QTest::newRow("qrc further in") << ":/x/qrc/a.png" << 16
                                    << "<img width=\"16\" height=\"16\" src=\":/x/qrc/a.png\" valign=\"center\"/>";
    QTest::newRow("upper case QRC") << "QRC:/a.png" << 16
                                    << "<img width=\"16\" height=\"16\" src=\"QRC:/a.png\" valign=\"center\"/>";
    QTest::newRow("percent in path") << "%1%2.png" << 16
                                     << "<img width=\"16\" height=\"16\" src=\"%1%2.png\" valign=\"center\"/>";
    QTest::newRow("empty") << "" << 16 << "";
    // clang-format on
}

void TestRichText::image()
{
    QFETCH(QString, path);
    QFETCH(int, options);
    QFETCH(QString, html);
    QCOMPARE(RichText::image(path, 16, options), html);
}

void TestRichText::labelValueKeepsPercentMarkers()
{
    QCOMPARE(RichText::labelValue(QStringLiteral("A%2B"), QStringLiteral("v")), QStringLiteral("<b>A%2B</b>: v"));
    QCOMPARE(RichText::labelValue(QStringLiteral("L"), QStringLiteral("%1")), QStringLiteral("<b>L</b>: %1"));
    QCOMPARE(RichText::bold(QStringLiteral("%1")), QStringLiteral("<b>%1</b>"));
}

void TestRichText::link()
{
    QCOMPARE(RichText::link(QStringLiteral("EDDF"), QStringLiteral("POINT>ED/EDDF")),
             QStringLiteral("<a href=\"POINT>ED/EDDF\" style=\"color: #5E9CAE;\">EDDF</a>"));
}

void TestRichText::stripImages_data()
{
    // clang-format off
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("stripped");
    const QString glyph = QStringLiteral("<font face=\"Font Awesome 6 Free\">\uf072</font>");
    const QString img = RichText::image(QStringLiteral("qrc:/icon/vor.svg"), 16, 16);
    QTest::newRow("no match") << "<b>EDDF</b> Frankfurt" << "<b>EDDF</b> Frankfurt";
    QTest::newRow("glyph") << glyph + "EDDF" << "EDDF";
    QTest::newRow("image") << "a" + img + "b" << "ab";
    QTest::newRow("image with qrc kept") << RichText::image(QStringLiteral("qrc:/icon/vor.svg"), 12) << "";
    QTest::newRow("several") << glyph + "A " + img + glyph + "B" + img << "A B";
    QTest::newRow("other font kept") << "<font face=\"Serif\">x</font>" << "<font face=\"Serif\">x</font>";
    QTest::newRow("two glyphs kept") << "<font face=\"Font Awesome 6 Free\">ab</font>"
                                     << "<font face=\"Font Awesome 6 Free\">ab</font>";
    QTest::newRow("image with space kept") << "<img src=\"my icon.png\"/>" << "<img src=\"my icon.png\"/>";
    QTest::newRow("image with dash kept") << "<img src=\"a-b.png\"/>" << "<img src=\"a-b.png\"/>";
    QTest::newRow("image with query kept") << "<img src=\"a.png?x=1\"/>" << "<img src=\"a.png?x=1\"/>";
    // clang-format on
}

void TestRichText::stripImages()
{
    QFETCH(QString, html);
    QFETCH(QString, stripped);
    const QString copy = html;
    QCOMPARE(RichText::stripImages(html), stripped);
    QCOMPARE(html, copy);
}

void TestRichText::escape_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "Frankfurt Main" << "Frankfurt Main";
    QTest::newRow("markup") << "<script>alert(1)</script>" << "&lt;script&gt;alert(1)&lt;/script&gt;";
    QTest::newRow("ampersand") << "R&D" << "R&amp;D";
    QTest::newRow("attribute break-out") << "\" onclick=\"x" << "&quot; onclick=&quot;x";
    QTest::newRow("non-ASCII") << "Zürich – Köln" << "Zürich – Köln";
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void TestRichText::escape()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(RichText::escape(text), escaped);
    // Escaped text shows as the original once rendered.
    RichText builder;
    builder.addLabelValue(QStringLiteral("Name"), RichText::escape(text));
    QTextDocument document;
    document.setHtml(builder.html());
    QCOMPARE(document.toPlainText(), QStringLiteral("Name: ") + text);
}

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
