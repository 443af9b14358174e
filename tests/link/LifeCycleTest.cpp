// Opening and closing the link, and the calls before, between and after.
#include <functional>
#include <string>
#include <vector>

#include "LinkTestSupport.h"

namespace vuz::test {
namespace {

struct Call {
  const char* name;
  std::function<int32_t()> run;
};

// Room for the largest array a step is given here (1260 extended-point words as values).
int32_t* words() {
  static std::vector<int32_t> room(1680);
  return room.data();
}

// Every call that needs a ready link, with outs that must stay as they are.
std::vector<Call> link_calls(int32_t& address, int32_t& data) {
  return {
      {"check_command", [&] { return check_command(1, &address, &data); }},
      {"check_excommand", [&] { return check_excommand(1, &address, &data); }},
      {"check_command_ex", [&] { return check_command_ex(1, &address, &data, 2); }},
      {"check_ax_command", [&] { return check_ax_command(1, &address, &data); }},
      {"put_responce", [] { return put_responce(1, 1); }},
      {"put_exresponce", [] { return put_exresponce(1, 1); }},
      {"put_responce_ex", [] { return put_responce_ex(1, 1, 2); }},
      {"put_ax_responce", [] { return put_ax_responce(1, 1); }},
      {"exec_poll_answer", [&] { return exec_poll_answer(&data, 4); }},
      // Transfer steps with words left to move: 0, never -1, or a caller would loop forever.
      {"exec_upload", [] { reset_load_count(305); return exec_upload(words()); }},
      {"exec_download", [] { reset_load_count(305); return exec_download(words()); }},
      {"exec_expt_upload", [] { reset_load_count(1260); return exec_expt_upload(words()); }},
      {"exec_expt_download", [] { reset_load_count(1260); return exec_expt_download(words()); }},
      {"exec_axcom_upload", [] { reset_load_count(32); return exec_axcom_upload(0, words()); }},
      {"exec_axcom_download", [] { reset_load_count(32); return exec_axcom_download(0, words()); }},
      {"exec_axpoint_upload", [] { reset_load_count(32); return exec_axpoint_upload(0, 1, words()); }},
      {"exec_axpoint_download", [] { reset_load_count(32); return exec_axpoint_download(0, 1, words()); }},
      {"exec_axexpr_upload", [] { return exec_axexpr_upload(0, words()); }},
      {"exec_axexpr_download", [] { return exec_axexpr_download(0, 1); }},
      {"exec_addr_rd_upload", [] { return exec_addr_rd_upload(0, 1, words()); }},
      {"exec_addr_wr_download", [] { return exec_addr_wr_download(0, 1, 1); }},
      {"prepare_Q2_command", [] { return prepare_Q2_command(0, 0, 0); }},
  };
}

TEST_F(LinkTest, EveryCallGivesZeroBeforeInit) {
  int32_t address = 7, data = 7;
  for (const auto& call : link_calls(address, data)) EXPECT_EQ(call.run(), 0) << call.name;
  EXPECT_EQ(address, 7);
  EXPECT_EQ(data, 7);
  EXPECT_EQ(get_klvn_state(), 0);
  EXPECT_EQ(get_sio_error(), 0);
  EXPECT_EQ(get_com_errlog(), 0);
}

TEST_F(LinkTest, EveryCallGivesZeroAfterClose) {
  open_link();
  ASSERT_EQ(close_klvn(), 1);
  EXPECT_TRUE(link_thread_gone());
  EXPECT_EQ(get_klvn_state(), 4) << "the state is not reset at close";
  EXPECT_EQ(init_klvn_slave(gateway.device_path().c_str()), 0);
  gateway.send_command({'R', 0, 0});
  int32_t address = 7, data = 7;
  for (const auto& call : link_calls(address, data)) EXPECT_EQ(call.run(), 0) << call.name;
  EXPECT_TRUE(gateway.quiet_for(milliseconds(100)));
}

TEST_F(LinkTest, CloseWithoutInitGivesOneAndTheThreadEnds) {
  ASSERT_TRUE(link_thread_running());
  EXPECT_EQ(close_klvn(), 1);
  EXPECT_TRUE(link_thread_gone());
  EXPECT_EQ(close_klvn(), 1) << "a second close is harmless";
}

TEST_F(LinkTest, InitWhenReadyGivesOneAndKeepsThePort) {
  open_link();
  EXPECT_EQ(init_klvn_slave("/nonexistent/tty"), 1);
  EXPECT_EQ(get_klvn_state(), 4);
  gateway.send_command({'R', 0x09, 0});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 9);
}

TEST_F(LinkTest, StateGoesFromWaitingToReady) {
  ASSERT_EQ(init_klvn_slave(gateway.device_path().c_str()), 1);
  EXPECT_EQ(get_klvn_state(), 4);
  EXPECT_EQ(get_sio_error(), 0);
  EXPECT_EQ(clear_klvn(), 1);
}

// A name longer than the record's 127 characters is refused at once, before anything changes;
// cutting it short could open some other device.
TEST_F(LinkTest, PortNameLongerThan127CharactersIsRefused) {
  const std::string too_long = "/dev/" + std::string(123, 'x');  // 128 characters
  EXPECT_EQ(init_klvn_slave(too_long.c_str()), 0);
  EXPECT_EQ(init_klvn_slave(nullptr), 0);
  EXPECT_EQ(get_sio_error(), 0);
  open_link();
}

TEST_F(LinkTest, PortNameOf127CharactersIsTried) {
  const std::string longest = "/nonexistent/" + std::string(114, 'x');  // 127 characters
  EXPECT_EQ(init_klvn_slave(longest.c_str()), 0);
  EXPECT_EQ(get_klvn_state(), 2);
  EXPECT_EQ(get_sio_error(), -12);
}

}  // namespace
}  // namespace vuz::test
