#pragma once
// The program's declarations of the link library's functions. Each is bound by its decorated
// name at its first call (see LibraryBinder.h); the library's own header gives the types.
#include <cstdint>

#include "klvndrv.h"
#include "platform/LibraryBinder.h"

namespace klvn {

// name##_bound() binds the function (if it is not yet) and gives its address: a call that runs
// on another thread is bound first on the window thread, where a missing one can be told.
#define VUZ_KLVN_IMPORT(name, decorated)                                             \
  inline decltype(&::name) name##_bound() {                                          \
    static const auto fn = reinterpret_cast<decltype(&::name)>(                      \
        platform::ResolveKlvn(decorated));                                           \
    return fn;                                                                       \
  }                                                                                  \
  template <typename... Args>                                                        \
  inline std::int32_t name(Args... args) {                                           \
    return name##_bound()(args...);                                                  \
  }

VUZ_KLVN_IMPORT(init_klvn_slave, "_init_klvn_slave@4")
VUZ_KLVN_IMPORT(close_klvn, "_close_klvn@0")
VUZ_KLVN_IMPORT(clear_klvn, "_clear_klvn@0")
VUZ_KLVN_IMPORT(get_klvn_state, "_get_klvn_state@0")
VUZ_KLVN_IMPORT(exec_poll_answer, "_exec_poll_answer@8")
VUZ_KLVN_IMPORT(reset_load_count, "_reset_load_count@4")
VUZ_KLVN_IMPORT(get_load_count, "_get_load_count@0")
VUZ_KLVN_IMPORT(exec_upload, "_exec_upload@4")
VUZ_KLVN_IMPORT(exec_download, "_exec_download@4")
VUZ_KLVN_IMPORT(exec_expt_upload, "_exec_expt_upload@4")
VUZ_KLVN_IMPORT(exec_expt_download, "_exec_expt_download@4")
VUZ_KLVN_IMPORT(exec_axcom_upload, "_exec_axcom_upload@8")
VUZ_KLVN_IMPORT(exec_axcom_download, "_exec_axcom_download@8")
VUZ_KLVN_IMPORT(exec_axpoint_upload, "_exec_axpoint_upload@12")
VUZ_KLVN_IMPORT(exec_axpoint_download, "_exec_axpoint_download@12")
VUZ_KLVN_IMPORT(exec_axexpr_upload, "_exec_axexpr_upload@8")
VUZ_KLVN_IMPORT(exec_axexpr_download, "_exec_axexpr_download@8")
VUZ_KLVN_IMPORT(exec_addr_rd_upload, "_exec_addr_rd_upload@12")

#undef VUZ_KLVN_IMPORT

// The answer to a poll that tells the gateway the PC is there but wants no transfer now.
inline constexpr std::int32_t kNoTransferAnswer = 4;

}  // namespace klvn
