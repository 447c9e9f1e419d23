// Where a window manager's frame puts the window on a screen with little room.
#include "windowframe.h"

#include <QTest>

class TestWindowFrame : public QObject
{
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
};

void TestWindowFrame::fit_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("fittedMinimum");
    QTest::addColumn<QRect>("fitted");

    // The window takes the screen and the manager puts it under its 20 px title bar.
    QTest::newRow("title bar on the smallest screen")
        << QRect(0, 0, 1020, 730) << QMargins(0, 20, 0, 0) << QRect(0, 20, 1020, 730) << QSize(1020, 730)
        << QSize(1020, 710) << QRect(0, 20, 1020, 710);
    // Frame 1202x785 at 199,80 reaches 1401,865: back inside, no further.
    QTest::newRow("past the corner") << QRect(0, 0, 1280, 800) << QMargins(1, 20, 1, 5) << QRect(200, 100, 1200, 760)
                                     << QSize(1020, 730) << QSize(1020, 730) << QRect(79, 35, 1200, 760);
    // A second screen right of the first, a 30 px panel at its top: room 1020x712 for the client.
    QTest::newRow("panel on a second screen")
        << QRect(1920, 30, 1024, 738) << QMargins(2, 24, 2, 2) << QRect(1920, 0, 1200, 800) << QSize(1020, 730)
        << QSize(1020, 712) << QRect(1922, 54, 1020, 712);
    QTest::newRow("screen smaller than the window")
        << QRect(0, 0, 800, 600) << QMargins(2, 2, 2, 2) << QRect(40, 30, 1020, 730) << QSize(1020, 730)
        << QSize(1020, 730) << QRect(40, 30, 1020, 730);
}

void TestWindowFrame::fit()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QRect, geometry);
    QFETCH(QSize, minimum);
    QFETCH(QSize, fittedMinimum);
    QFETCH(QRect, fitted);
    const WindowFrame::Fit result = WindowFrame::fit(available, frame, geometry, minimum);
    QCOMPARE(result.minimum, fittedMinimum);
    QCOMPARE(result.geometry, fitted);
}

QTEST_APPLESS_MAIN(TestWindowFrame)
#include "tst_windowframe.moc"
