#include <gtest/gtest.h>
#include <stdlib.h>

#include "PortName.h"

namespace {

struct NameCase {
  const char* name;
  const char* device;  // nullptr: no port
};

void PrintTo(const NameCase& name, std::ostream* out) { *out << '"' << name.name << '"'; }

class PortNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PortNameTest, MapsNameToDevice) {
  unsetenv("KLVNDRV_COM3");
  const auto device = klvn::device_path_for(GetParam().name);
  if (GetParam().device) {
    ASSERT_TRUE(device);
    EXPECT_EQ(*device, GetParam().device);
  } else {
    EXPECT_FALSE(device) << *device;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, PortNameTest,
    ::testing::Values(NameCase{"COM1", "/dev/ttyS0"}, NameCase{"com3", "/dev/ttyS2"},
                      NameCase{"COM16", "/dev/ttyS15"}, NameCase{"/dev/ttyUSB0", "/dev/ttyUSB0"},
                      NameCase{"COM0", nullptr}, NameCase{"COM01", nullptr},
                      NameCase{"COM", nullptr}, NameCase{"COM1x", nullptr},
                      NameCase{"LPT1", nullptr}, NameCase{"ttyS0", nullptr},
                      NameCase{"", nullptr}));

TEST(PortNameEnvironmentTest, VariableNamesTheDeviceOfItsComPort) {
  setenv("KLVNDRV_COM3", "/dev/pts/7", 1);
  EXPECT_EQ(klvn::device_path_for("COM3"), "/dev/pts/7");
  EXPECT_EQ(klvn::device_path_for("COM4"), "/dev/ttyS3");
  setenv("KLVNDRV_COM3", "", 1);
  EXPECT_EQ(klvn::device_path_for("COM3"), "/dev/ttyS2");
  unsetenv("KLVNDRV_COM3");
}

}  // namespace
