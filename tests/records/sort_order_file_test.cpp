#include "../files.h"
#include "records/sort_order_file.h"

#include <gtest/gtest.h>

using namespace records;

namespace {

const QByteArray kKey(32, 'k');
const QList<int> kOrder{2, 0, 3, 1};

} // namespace

TEST(SortOrderFile, AnOrderReadsBackForItsKeyAndCountAndADamagedOneNever) {
    Folder f;
    const QString path = f.path("cache/deeper/panel_order"); // folders made as needed
    ASSERT_TRUE(WriteSortOrder(path, kKey, kOrder));
    EXPECT_EQ(ReadSortOrder(path, kKey, 4), kOrder);
    EXPECT_EQ(ReadSortOrder(path, QByteArray(32, 'x'), 4), std::nullopt); // another list
    EXPECT_EQ(ReadSortOrder(path, kKey, 3), std::nullopt);
    EXPECT_EQ(ReadSortOrder(f.path("none"), kKey, 4), std::nullopt);

    const QByteArray good = FileBytes(path);
    const qsizetype first = good.size() - 16; // the first index
    const auto with = [&](qsizetype at, char byte) {
        return QByteArray(good).replace(at, 1, &byte, 1);
    };
    const std::pair<const char*, QByteArray> damaged[] = {
        {"empty", ""},
        {"a byte short", good.chopped(1)},
        {"a byte more", good + 'x'},
        {"another format", with(0, 'M')},
        {"an index past the words", with(first, 4)},
        {"an index twice", with(first, 0)},
    };
    for (const auto& [name, bytes] : damaged) {
        f.write("damaged", bytes);
        EXPECT_EQ(ReadSortOrder(f.path("damaged"), kKey, 4), std::nullopt) << name;
    }
    f.write("damaged", with(first, 2)); // the same byte: the check above is no accident
    EXPECT_EQ(ReadSortOrder(f.path("damaged"), kKey, 4), kOrder);
}

TEST(SortOrderFile, NowhereToWriteIsAFailureThatLeavesNothing) {
    Folder f;
    f.write("file", "x");
    EXPECT_FALSE(WriteSortOrder(f.path("file/panel_order"), kKey, kOrder));
    EXPECT_FALSE(WriteSortOrder(f.path("panel_order"), "short key", kOrder));
    EXPECT_FALSE(f.exists("panel_order"));
    EXPECT_EQ(f.read("file"), "x");
}
