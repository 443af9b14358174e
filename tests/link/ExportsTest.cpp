// The library exports its C interface and nothing else.
#include <dlfcn.h>

#include <cstdio>
#include <set>
#include <string>

#include "LinkTestSupport.h"

namespace vuz::test {
namespace {

const std::set<std::string> kExports = {
    "init_klvn_slave", "clear_klvn",      "close_klvn",       "get_klvn_state",
    "get_sio_error",   "get_com_errlog",  "check_command",    "check_excommand",
    "check_command_ex", "check_ax_command", "put_responce",   "put_exresponce",
    "put_responce_ex", "put_ax_responce", "exec_poll_answer",
    "reset_load_count", "get_load_count", "exec_upload", "exec_download",
    "exec_expt_upload", "exec_expt_download", "exec_axcom_upload", "exec_axcom_download",
    "exec_axpoint_upload", "exec_axpoint_download", "exec_axexpr_upload",
    "exec_axexpr_download", "exec_addr_rd_upload", "exec_addr_wr_download",
    "prepare_Q2_command", "csv_mor_step", "bin_mor_step", "csv_mor_prm", "bin_mor_prm",
    "csv_morex_prm", "bin_morex_prm", "csv_mor35_prm", "bin_mor35_prm", "csv_mor77_prm",
    "bin_mor77_prm",
};

// The functions the library's dynamic symbol table defines.
std::set<std::string> defined_functions() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&init_klvn_slave), &info) == 0) return {};
  const std::string command = std::string("nm -D --defined-only '") + info.dli_fname + "'";
  std::FILE* nm = popen(command.c_str(), "r");
  if (!nm) return {};
  std::set<std::string> names;
  char address[64], type[8], name[512];
  while (std::fscanf(nm, "%63s %7s %511s", address, type, name) == 3) {
    const std::string t = type;
    if (t == "T" || t == "W" || t == "i") names.insert(name);
  }
  pclose(nm);
  names.erase("_init");
  names.erase("_fini");
  return names;
}

TEST(ExportsTest, OnlyTheInterfaceIsExported) {
  EXPECT_EQ(defined_functions(), kExports);
}

}  // namespace
}  // namespace vuz::test
