// The port: exclusive open, the port errors, line settings, and their restore at close.
// A pty differs from a serial port: it keeps a baud rate in its settings without any line
// behind it, and it has no modem lines and no error counts. These tests check what a pty shows.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>

#include "LinkTestSupport.h"

namespace vuz::test {
namespace {

class OpenFd {
 public:
  explicit OpenFd(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
  ~OpenFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

TEST_F(LinkTest, PortLockedByAnotherOpenIsASharingViolation) {
  const OpenFd other(gateway.device_path());
  ASSERT_EQ(flock(other.get(), LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(init_klvn_slave(gateway.device_path().c_str()), 0);
  EXPECT_EQ(get_klvn_state(), 2);
  EXPECT_EQ(get_sio_error(), -1);
}

TEST_F(LinkTest, PortInExclusiveModeIsASharingViolation) {
  if (geteuid() == 0) GTEST_SKIP() << "exclusive mode does not keep root out";
  const OpenFd other(gateway.device_path());
  ASSERT_EQ(ioctl(other.get(), TIOCEXCL), 0);
  EXPECT_EQ(init_klvn_slave(gateway.device_path().c_str()), 0);
  EXPECT_EQ(get_sio_error(), -1);
}

struct NotAPort {
  const char* label;
  const char* name;
  int32_t sio_error;
};

void PrintTo(const NotAPort& port, std::ostream* out) { *out << port.name; }

class NotAPortTest : public LinkTest, public ::testing::WithParamInterface<NotAPort> {};

TEST_P(NotAPortTest, FailsAfterTheWaitWithState2) {
  setenv("KLVNDRV_COM7", "/nonexistent/ttyS6", 1);
  EXPECT_EQ(init_klvn_slave(GetParam().name), 0);
  EXPECT_EQ(get_klvn_state(), 2);
  EXPECT_EQ(get_sio_error(), GetParam().sio_error);
}

INSTANTIATE_TEST_SUITE_P(Names, NotAPortTest,
                         ::testing::Values(NotAPort{"missing_device", "/nonexistent/tty", -12},
                                           NotAPort{"mapped_to_missing", "COM7", -12},
                                           NotAPort{"not_a_com_name", "LPT1", -12},
                                           NotAPort{"no_serial_port", "/dev/null", -9}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(LinkTest, FailedOpenCanBeRetriedWithAnotherName) {
  EXPECT_EQ(init_klvn_slave("/nonexistent/tty"), 0);
  open_link();
  EXPECT_EQ(get_klvn_state(), 4);
}

TEST_F(LinkTest, ComNameOpensTheDeviceOfItsVariable) {
  setenv("KLVNDRV_COM2", gateway.device_path().c_str(), 1);
  ASSERT_EQ(init_klvn_slave("com2"), 1);
  gateway.send_command({'R', 0x07, 0});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 7);
}

TEST_F(LinkTest, OpenPortIsRaw8N1At115200WithoutFlowControl) {
  open_link();
  const termios t = gateway.slave_settings();
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF | INPCK | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));  // kept, though a pty has no line
  EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B115200));
}

TEST_F(LinkTest, CloseRestoresThePortsSettingsAndLetsGoOfIt) {
  termios before = gateway.slave_settings();
  before.c_cflag = (before.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
  before.c_iflag |= ICRNL | IXON;
  before.c_oflag |= OPOST | ONLCR;
  before.c_lflag |= ICANON | ECHO | ISIG;
  before.c_cc[VMIN] = 3;
  before.c_cc[VTIME] = 7;
  cfsetispeed(&before, B2400);
  cfsetospeed(&before, B2400);
  gateway.set_slave_settings(before);
  before = gateway.slave_settings();  // as the pty keeps them

  open_link();
  ASSERT_EQ(close_klvn(), 1);
  ASSERT_TRUE(link_thread_gone());
  const termios after = gateway.slave_settings();
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_oflag, before.c_oflag);
  EXPECT_EQ(after.c_cflag, before.c_cflag);
  EXPECT_EQ(after.c_lflag, before.c_lflag);
  EXPECT_EQ(std::memcmp(after.c_cc, before.c_cc, sizeof after.c_cc), 0);
  EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));

  const OpenFd next_user(gateway.device_path());
  ASSERT_GE(next_user.get(), 0) << "exclusive mode was left on";
  EXPECT_EQ(flock(next_user.get(), LOCK_EX | LOCK_NB), 0) << "the lock was not released";
}

}  // namespace
}  // namespace vuz::test
