// Arguments a transfer cannot take fail the step before it takes a frame: nothing is read from
// the line, answered, or written outside the caller's array.
#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

TEST_F(TransferTest, ArgumentsOutOfRangeFailBeforeAnyFrame) {
  std::vector<int32_t> words(1284 * 4 / 3);
  int32_t value = 0;
  const struct {
    const char* name;
    int32_t capacity;
    std::function<int32_t()> step;
  } cases[] = {
      // A word image's letters reach 1024 words, an extended-point image's 1280, in records of 3.
      {"word image 1025", 1025, [&] { return exec_upload(words.data()); }},
      {"negative capacity", -1, [&] { return exec_download(words.data()); }},
      {"extended points 1284", 1284, [&] { return exec_expt_download(words.data()); }},
      {"extended points 1000", 1000, [&] { return exec_expt_upload(words.data()); }},
      {"no array", 305, [] { return exec_upload(nullptr); }},
      {"no extended values", 1260, [] { return exec_expt_download(nullptr); }},
      // Fields of the poll answer: axis and bank 0-15 (a bank above 15 has a code of its own),
      // a 16-bit word address, sub-index 0-15.
      {"axis 16", 32, [&] { return exec_axcom_upload(16, words.data()); }},
      {"axis -1", 32, [&] { return exec_axcom_download(-1, words.data()); }},
      {"bank -1", 32, [&] { return exec_axpoint_upload(0, -1, words.data()); }},
      {"address 65536", 0, [&] { return exec_addr_rd_upload(0, 65536, &value); }},
      {"address -1", 0, [] { return exec_addr_wr_download(0, -1, 0); }},
      {"expansion axis 16", 0, [] { return exec_axexpr_download(16, 0); }},
      {"no value", 0, [] { return exec_axexpr_upload(0, nullptr); }},
      {"sub-index 16", 0, [] { return prepare_Q2_command(0, 16, 0); }},
  };
  ASSERT_TRUE(poll_lies_unread(gateway));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset_load_count(c.capacity);
    EXPECT_EQ(c.step(), 0);
    EXPECT_TRUE(poll_still_unread(gateway));
  }
  // The largest images are accepted: their steps take the poll and answer it.
  reset_load_count(1024);
  EXPECT_EQ(exec_upload(words.data()), -1);
  EXPECT_TRUE(next_response_is(gateway, 'P', 32));
  gateway.send_poll(0);
  reset_load_count(1278);  // whole records
  EXPECT_EQ(exec_expt_upload(words.data()), -1);
  EXPECT_TRUE(next_response_is(gateway, 'P', 34));
}

}  // namespace
}  // namespace vuz::test
