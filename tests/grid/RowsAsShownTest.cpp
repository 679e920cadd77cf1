#include <gtest/gtest.h>

#include <QDate>

#include "GridTestSupport.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridModel.h"

namespace wv::grid::test {
namespace {

// Writes what the walk gives as lines: "H" with the captions, "G" with level, caption, typed
// value and count, "R" with each cell's type and value.
class Recorder : public ShownRowsVisitor {
 public:
  QStringList lines;

  void header(const std::vector<ShownColumn>& columns) override {
    QStringList captions;
    for (const ShownColumn& c : columns) captions << c.caption;
    lines << "H " + captions.join('|');
  }
  void group(const ShownGroup& g) override {
    lines << QStringLiteral("G%1 %2=%3 (%4) %5")
                 .arg(g.level)
                 .arg(g.caption, typed(g.value))
                 .arg(g.rowCount)
                 .arg(g.text);
  }
  void row(const ShownRow& r) override {
    QStringList cells;
    for (int i = 0; i < r.cellCount(); ++i) cells << typed(r.value(i));
    lines << "R " + cells.join('|');
  }

 private:
  static QString typed(const QVariant& v) {
    if (!v.isValid()) return "null";
    if (v.typeId() == QMetaType::QDate) return "date:" + v.toDate().toString(Qt::ISODate);
    return QStringLiteral("%1:%2").arg(v.typeName(), v.toString());
  }
};

TEST(RowsAsShown, WalkFollowsColumnOrderFilterSortAndGrouping) {
  auto grid = makeGrid();
  dropColumnOnHeader(*grid, Price, {1, 5});  // Pret becomes the first column
  typeFilter(*grid, Name, "a");              // drops the row without a name
  clickHeader(*grid, Day);                   // by date, nulls first
  dropColumnOnGroupBox(*grid, Code);         // groups collapsed

  Recorder recorder;
  grid->walkRowsAsShown(recorder);
  EXPECT_EQ(recorder.lines, (QStringList{
                                "H Pret|Nume|Cant|Data",
                                "G0 Cod=QString:A (2) Cod: A (2)",
                                "R null|QString:Maria|qlonglong:100|null",
                                "R double:1.5|QString:Ștefan|qlonglong:9|date:2025-12-09",
                                "G0 Cod=QString:B (2) Cod: B (2)",
                                "R double:2|QString:ștefan|qlonglong:10|date:2025-12-01",
                                "R double:0.5|QString:Ana|qlonglong:10|date:2025-12-09",
                                "G0 Cod=QString:C (1) Cod: C (1)",
                                "R double:2|QString:STEFAN|null|date:2025-11-30",
                            }));
  // The walk expanded every group in the grid itself.
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (2)", "R 2", "R 0", "G Cod: B (2)", "R 1",
                                           "R 4", "G Cod: C (1)", "R 3"}));
}

TEST(RowsAsShown, FilterThatHidesEveryRowLeavesTheHeader) {
  auto grid = makeGrid();
  typeFilter(*grid, Quantity, ">1000");
  Recorder recorder;
  grid->walkRowsAsShown(recorder);
  EXPECT_EQ(recorder.lines, (QStringList{"H Nume|Cant|Pret|Data|Cod"}));
}

}  // namespace
}  // namespace wv::grid::test
