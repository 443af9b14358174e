#include "platform/UiServices.h"

#include <cassert>

namespace platform {

namespace {
UiServices* g_services = nullptr;
}

UiServices& Ui() {
  assert(g_services != nullptr && "UI services used before they were installed");
  return *g_services;
}

void SetUi(UiServices* services) { g_services = services; }

void Warn(const std::string& text) {
  Ui().MessageBox(text, MsgButtons::Ok, MsgIcon::Exclamation, "");
}

}  // namespace platform
