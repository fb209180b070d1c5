#include <gtest/gtest.h>

#include "app/MonVoks.h"

namespace vok {
namespace {

std::vector<std::uint8_t> Table(int records) {
    std::vector<std::uint8_t> data(std::size_t(records) * MonVoksRecordSize, 0);
    return data;
}

void PutName(std::vector<std::uint8_t>& data, int record, const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) data[std::size_t(record) * MonVoksRecordSize + i] = name[i];
}

TEST(MonVoks, RecordsStandInReverseOrder) {
    auto data = Table(CreatureCount);
    PutName(data, 148, "First");
    PutName(data, 0, "Last");
    EXPECT_EQ(VokNameOf(data, 0), "First");
    EXPECT_EQ(VokNameOf(data, 148), "Last");
}

TEST(MonVoks, NameFieldIsTwelveBytesAtMost) {
    auto data = Table(CreatureCount);
    PutName(data, 148, "ABCDEFGHIJKLMNOP");  // runs into the unused bytes
    EXPECT_EQ(VokNameOf(data, 0), "ABCDEFGHIJKL");
    EXPECT_EQ(VokNameOf(data, 1), "");  // field starts with a zero byte
}

TEST(MonVoks, ShortFileIsNotReadBeyondItsEnd) {
    auto data = Table(CreatureCount);
    PutName(data, 0, "Whole");
    data.resize(3);  // only part of record 0 (creature 148) is left
    EXPECT_EQ(VokNameOf(data, 148), "Who");
    EXPECT_EQ(VokNameOf(data, 0), "");
    EXPECT_EQ(VokNameOf({}, 5), "");
}

}  // namespace
}  // namespace vok
