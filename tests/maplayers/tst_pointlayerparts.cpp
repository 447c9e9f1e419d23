#include "activerowsmodel.h"
#include "spriteatlas.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

// The parts the point layer is built from: the model of the rows that have items, and the atlas
// its pictures are packed into.
class TstPointLayerParts : public QObject
{
    Q_OBJECT

private slots:
    void activeRowsFollowTheirSource();
    void activeRowsChangeOneByOne();
    void atlasPlacesPicturesOnce();
    void atlasFillsUp();

private:
    // A source of rows "A" to "E" under the role name "role_code".
    static std::unique_ptr<QStandardItemModel> source();
    static QStringList codes(const QAbstractItemModel &model, const char *role);
};

std::unique_ptr<QStandardItemModel> TstPointLayerParts::source()
{
    auto model = std::make_unique<QStandardItemModel>();
    model->setItemRoleNames({{Qt::UserRole, "role_code"}});
    for (const char *code : {"A", "B", "C", "D", "E"}) {
        auto *item = new QStandardItem;
        item->setData(QString::fromLatin1(code), Qt::UserRole);
        model->appendRow(item);
    }
    return model;
}

QStringList TstPointLayerParts::codes(const QAbstractItemModel &model, const char *role)
{
    QStringList values;
    const int key = model.roleNames().key(role, -1);
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.index(row, 0).data(key).toString();
    return values;
}

// Rows B and D keep their roles and learn their new rows when two rows come before them; a row
// that leaves the source leaves.
void TstPointLayerParts::activeRowsFollowTheirSource()
{
    auto model = source();
    ActiveRowsModel active;
    QAbstractItemModelTester tester(&active);
    active.setSource(model.get());
    active.setRows({QPersistentModelIndex(model->index(1, 0)), QPersistentModelIndex(model->index(3, 0))});
    QCOMPARE(codes(active, "role_code"), (QStringList{"B", "D"}));
    QCOMPARE(codes(active, "index"), (QStringList{"1", "3"}));

    model->insertRows(0, 2);
    QSignalSpy changed(&active, &QAbstractItemModel::dataChanged);
    active.refreshIndexes();
    QCOMPARE(codes(active, "index"), (QStringList{"3", "5"}));
    QCOMPARE(changed.size(), 2);
    QVERIFY(active.contains(5) && !active.contains(1));

    model->item(5)->setData(QStringLiteral("D2"), Qt::UserRole);
    QCOMPARE(changed.size(), 3);
    model->removeRows(3, 1);
    active.setRows(active.rows());
    QCOMPARE(codes(active, "role_code"), (QStringList{"D2"}));
}

// From {B, D} to {D, E}: B leaves, E comes after D, and D stays where it was.
void TstPointLayerParts::activeRowsChangeOneByOne()
{
    auto model = source();
    ActiveRowsModel active;
    QAbstractItemModelTester tester(&active);
    active.setSource(model.get());
    active.setRows({QPersistentModelIndex(model->index(1, 0)), QPersistentModelIndex(model->index(3, 0))});
    QSignalSpy removed(&active, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&active, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&active, &QAbstractItemModel::modelReset);
    active.setRows({QPersistentModelIndex(model->index(4, 0)), QPersistentModelIndex(model->index(3, 0))});
    QCOMPARE(codes(active, "role_code"), (QStringList{"D", "E"}));
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 1);
    QCOMPARE(reset.size(), 0);
}

// A key is painted once and keeps its place while the atlas grows; places never overlap and
// leave a pixel between them.
void TstPointLayerParts::atlasPlacesPicturesOnce()
{
    SpriteAtlas atlas;
    int painted = 0;
    auto fill = [&painted](QColor colour) {
        return [&painted, colour](QImage &image) {
            ++painted;
            image.fill(colour);
        };
    };
    const QRect first = atlas.sprite(QStringLiteral("red"), QSize(100, 100), fill(Qt::red));
    QCOMPARE(first, QRect(1, 1, 100, 100));
    QCOMPARE(atlas.sprite(QStringLiteral("red"), QSize(100, 100), fill(Qt::blue)), first);
    QCOMPARE(painted, 1);
    // Five of 102 px fill the first shelf of 512; the sixth starts the second shelf below.
    QRect last;
    for (int i = 0; i < 5; ++i)
        last = atlas.sprite(QStringLiteral("green%1").arg(i), QSize(100, 100), fill(Qt::green));
    QCOMPARE(last, QRect(1, 103, 100, 100));
    const int generation = atlas.generation();
    atlas.sprite(QStringLiteral("tall"), QSize(10, 300), fill(Qt::blue));
    QVERIFY(atlas.generation() > generation);
    QVERIFY(atlas.image().height() >= 103 + 102 + 300);
    QCOMPARE(atlas.image().pixelColor(first.center()), QColor(Qt::red));
    QCOMPARE(atlas.image().pixelColor(first.right() + 1, first.center().y()), QColor(Qt::transparent));
}

// Pictures 510 px wide take a shelf of 1002 px each: four fit into 4096 rows, the fifth does
// not, nor does any picture wider than the atlas; clear() makes room again.
void TstPointLayerParts::atlasFillsUp()
{
    SpriteAtlas atlas;
    auto paint = [](QImage &image) { image.fill(Qt::gray); };
    for (int i = 0; i < 4; ++i)
        QVERIFY(!atlas.sprite(QString::number(i), QSize(510, 1000), paint).isEmpty());
    QVERIFY(atlas.sprite(QStringLiteral("fifth"), QSize(510, 1000), paint).isEmpty());
    QVERIFY(atlas.sprite(QStringLiteral("wide"), QSize(511, 1), paint).isEmpty());
    atlas.clear();
    QVERIFY(!atlas.contains(QStringLiteral("0")));
    QCOMPARE(atlas.sprite(QStringLiteral("fifth"), QSize(510, 1000), paint), QRect(1, 1, 510, 1000));
}

QTEST_MAIN(TstPointLayerParts)
#include "tst_pointlayerparts.moc"
