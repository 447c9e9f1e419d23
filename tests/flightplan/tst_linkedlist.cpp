#include "linkedlist.h"
#include "planfixture.h"
#include "waypoint.h"

#include <QPointer>
#include <QTest>

class TstLinkedList : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    QList<Point *> m_points;

    // Entries on the points named by the letters, in that order.
    LinkedList *listOf(const QString &letters)
    {
        auto *list = new LinkedList;
        for (QChar letter : letters)
            list->insert(list->size(), new Waypoint(m_points.at(letter.unicode() - 'A')));
        return list;
    }

    static QString order(const LinkedList &list)
    {
        QString text;
        for (const Waypoint *w : list)
            text += w->rawCode();
        return text;
    }

    // Every entry's links equal the list order.
    static bool linksFollowOrder(const LinkedList &list)
    {
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i)->previousWaypoint() != list.at(i - 1) || list.at(i)->nextWaypoint() != list.at(i + 1))
                return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        for (char c = 'A'; c <= 'F'; ++c)
            m_points.append(m_fixture.fix(QString(QChar(c)), 10.0, c - 'A'));
    }

    void cleanupTestCase() { m_fixture.tearDown(); }

    void insertLinks()
    {
        LinkedList list;
        auto *p = new Waypoint(m_points.at(0));
        QVERIFY(list.insert(0, p));
        QVERIFY(!p->previous() && !p->next());
        auto *q = new Waypoint(m_points.at(1));
        QVERIFY(list.insert(1, q));
        QCOMPARE(p->nextWaypoint(), q);
        QCOMPARE(q->previousWaypoint(), p);
        auto *r = new Waypoint(m_points.at(2));
        QVERIFY(list.insert(1, r));
        QCOMPARE(order(list), QStringLiteral("ACB"));
        QVERIFY(linksFollowOrder(list));
        list.clear();
    }

    void insertOutsideChangesNothing()
    {
        std::unique_ptr<LinkedList> list(listOf(QStringLiteral("AB")));
        Waypoint stray(m_points.at(2));
        QVERIFY(!list->insert(-1, &stray));
        QVERIFY(!list->insert(3, &stray));
        QVERIFY(!list->insert(0, nullptr));
        QCOMPARE(order(*list), QStringLiteral("AB"));
        QVERIFY(linksFollowOrder(*list));
        list->clear();
    }

    void removeAt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("result");
        QTest::newRow("middle") << "ABC" << 1 << "AC";
        QTest::newRow("first") << "ABC" << 0 << "BC";
        QTest::newRow("last") << "ABC" << 2 << "AB";
        QTest::newRow("only") << "A" << 0 << "";
        // clang-format on
    }

    void removeAt()
    {
        QFETCH(QString, start);
        QFETCH(int, row);
        QFETCH(QString, result);
        std::unique_ptr<LinkedList> list(listOf(start));
        Waypoint *removed = list->at(row);
        Waypoint *before = removed->previousWaypoint();
        Waypoint *after = removed->nextWaypoint();
        QVERIFY(list->removeAt(row));
        QCOMPARE(order(*list), result);
        QVERIFY(linksFollowOrder(*list));
        // The removed entry keeps its own links.
        QCOMPARE(removed->previousWaypoint(), before);
        QCOMPARE(removed->nextWaypoint(), after);
        delete removed;
        QVERIFY(!list->removeAt(list->size()));
        list->clear();
    }

    void move_data()
    {
        // clang-format off
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("result");
        QTest::newRow("first to last") << "ABC" << 0 << 2 << "BCA";
        QTest::newRow("last to first") << "ABC" << 2 << 0 << "CAB";
        QTest::newRow("down one") << "ABCD" << 1 << 2 << "ACBD";
        QTest::newRow("up one") << "ABCD" << 2 << 1 << "ACBD";
        QTest::newRow("across") << "ABCDEF" << 4 << 1 << "AEBCDF";
        QTest::newRow("same row") << "ABC" << 1 << 1 << "ABC";
        // clang-format on
    }

    void move()
    {
        QFETCH(QString, start);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, result);
        std::unique_ptr<LinkedList> list(listOf(start));
        QVERIFY(list->move(from, to));
        QCOMPARE(order(*list), result);
        QVERIFY(linksFollowOrder(*list));
        QVERIFY(list->first()->isFirst());
        QVERIFY(list->last()->isLast());
        list->clear();
    }

    void moveOutsideChangesNothing()
    {
        std::unique_ptr<LinkedList> list(listOf(QStringLiteral("ABC")));
        QVERIFY(!list->move(-1, 1));
        QVERIFY(!list->move(0, 3));
        QVERIFY(!list->move(3, 0));
        QCOMPARE(order(*list), QStringLiteral("ABC"));
        QVERIFY(linksFollowOrder(*list));
        list->clear();
    }

    void reverseByMoves()
    {
        std::unique_ptr<LinkedList> list(listOf(QStringLiteral("ABCD")));
        for (int i = 0; i < list->size() - 1; ++i)
            list->move(list->size() - 1, i);
        QCOMPARE(order(*list), QStringLiteral("DCBA"));
        QVERIFY(linksFollowOrder(*list));
        list->clear();
    }

    void boundsAndSearches()
    {
        LinkedList empty;
        QVERIFY(!empty.first());
        QVERIFY(!empty.last());
        QVERIFY(!empty.at(0));
        QVERIFY(!empty.contains(static_cast<const Waypoint *>(nullptr)));

        std::unique_ptr<LinkedList> list(listOf(QStringLiteral("AB")));
        QVERIFY(!list->at(-1));
        QVERIFY(!list->at(list->size()));
        QCOMPARE(list->indexOf(m_points.at(1)->uid()), 1);
        QCOMPARE(list->indexOf(QStringLiteral("k1/enrt/b")), -1);

        // Another point object under the same UID: found by UID, not by point.
        Point twin(Point::FIX, QGeoCoordinate(1, 1), QStringLiteral("B"), QStringLiteral("ENRT"), QStringLiteral("K1"),
                   QString(), 0, 0.0f, QString());
        Waypoint onTwin(&twin);
        QCOMPARE(twin.uid(), m_points.at(1)->uid());
        QVERIFY(!list->contains(&onTwin));
        QCOMPARE(list->indexOf(&onTwin), -1);
        QVERIFY(list->contains(twin.uid()));
        Waypoint onSame(m_points.at(1));
        QCOMPARE(list->indexOf(&onSame), 1);
        list->clear();
    }

    void clearDeletesEntries()
    {
        std::unique_ptr<LinkedList> list(listOf(QStringLiteral("AB")));
        QPointer<Waypoint> first = list->at(0);
        list->clear();
        QVERIFY(first.isNull());
        QVERIFY(list->isEmpty());
    }
};

QTEST_MAIN(TstLinkedList)
#include "tst_linkedlist.moc"
