// The extended-point image there and back: four values a record at the PC, three words on the
// wire.
#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

constexpr int32_t kCapacity = 1260;
constexpr std::size_t kValues = 1680;  // capacity x 4 / 3, exactly what the caller holds

TEST_F(TransferTest, ExtendedPointsGoThereAndBack) {
  std::vector<int32_t> values = signed_pattern(kValues, 10);
  const int32_t example[] = {-1, 65535, 305419896, 1};
  const int32_t negatives[] = {7, -2, -305419896, -32768};
  std::copy(std::begin(example), std::end(example), values.begin());
  std::copy(std::begin(negatives), std::end(negatives), values.begin() + 4);

  reset_load_count(kCapacity);
  const auto down = run_transfer([&] { return exec_expt_download(values.data()); });
  EXPECT_TRUE(completed(down, 35, {{'d', 256}, {'k', 256}, {'l', 256}, {'m', 256}, {'n', 236}}));
  const std::vector<uint32_t> wire(master.data.ext_points.begin(), master.data.ext_points.begin() + 3);
  EXPECT_EQ(wire, (std::vector<uint32_t>{4294967295u, 22136u * 65536 + 65535, 1u * 65536 + 4660}));

  std::vector<int32_t> back(kValues, 0x5A5A5A5A);
  reset_load_count(kCapacity);
  const auto up = run_transfer([&] { return exec_expt_upload(back.data()); });
  EXPECT_TRUE(completed(up, 34, {{'c', 256}, {'e', 256}, {'f', 256}, {'g', 256}, {'h', 236}}));

  // Values 2 and 4 travel as their low 16 bits and come back without sign.
  std::vector<int32_t> expected = values;
  for (std::size_t v = 1; v < kValues; v += 2) expected[v] &= 0xFFFF;
  EXPECT_EQ(back, expected);
  EXPECT_EQ(back[5], 65534);
  EXPECT_EQ(back[6], -305419896);
  EXPECT_EQ(back[7], 32768);

  // Every call after the end unpacks again.
  std::vector<int32_t> again(kValues, 0);
  ASSERT_TRUE(poll_lies_unread(gateway));
  EXPECT_EQ(exec_expt_upload(again.data()), 1);
  EXPECT_EQ(again, expected);
  EXPECT_TRUE(poll_still_unread(gateway));
}

}  // namespace
}  // namespace vuz::test
