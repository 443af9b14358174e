#include "platform/ConsoleUi.h"

#include <cstdio>

namespace platform {

MsgAnswer ConsoleUi::MessageBox(const std::string& text, MsgButtons, MsgIcon,
                                const std::string&) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return MsgAnswer::Ok;
}

}  // namespace platform
