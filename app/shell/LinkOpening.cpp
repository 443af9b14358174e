#include "shell/LinkOpening.h"

#include <sys/stat.h>

#include <optional>

#include "PortName.h"
#include "axisdata/ProgressView.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"
#include "shell/ModuleMain.h"

namespace shell {

bool PortDevicePresent(const std::string& portName) {
  const std::optional<std::string> device = klvn::device_path_for(portName);
  struct stat st;
  return device && ::stat(device->c_str(), &st) == 0;
}

LinkOpening OpenLink(const std::string& portName) {
  if (!PortDevicePresent(portName)) return LinkOpening::PortUsed;
  // Bound here, so that a function missing from the library is told on the window thread.
  const auto init = klvn::init_klvn_slave_bound();
  std::int32_t opened = KLVNDRV_FAILED;
  axisdata::RunBeside([init, name = portName, &opened] { opened = init(name.c_str()); });
  if (opened != KLVNDRV_DONE) return LinkOpening::PortUsed;
  if (klvn::get_klvn_state() != KLVNDRV_STATE_READY) return LinkOpening::NotReady;
  return LinkOpening::Ready;
}

bool LineLost() {
  // Offline, or before the wizard, there is no line to lose.
  return !ComPortName.empty() && klvn::get_klvn_state() != KLVNDRV_STATE_READY;
}

bool ReopenLostLine() { return !LineLost() || OpenLink(ComPortName) == LinkOpening::Ready; }

void TellLineLost() {
  platform::Ui().MessageBox(resources::Text(resources::Msg::LostLine, {ComPortName}),
                            platform::MsgButtons::Ok,
                            platform::MsgIcon::Exclamation, "VUZOvid");
}

bool KeepLinkOpen() {
  if (ReopenLostLine()) return true;
  TellLineLost();
  return false;
}

bool WaitForFirstPoll(bool wantZero, std::int32_t& pollData) {
  using resources::Txt;
  axisdata::BeginTransferSeries();
  axisdata::ProgressView& progress = axisdata::Progress();
  progress.Begin(resources::Text(wantZero ? Txt::StartUpload : Txt::StartDownload), 0, true);
  bool lineGone = false;
  const bool matched = axisdata::RunWaitLoop([&pollData, &lineGone, wantZero] {
    const std::int32_t result = klvn::exec_poll_answer(&pollData, klvn::kNoTransferAnswer);
    // A poll answer fails at once on a lost line; waiting on would only spin.
    if (result == KLVNDRV_FAILED && !ReopenLostLine()) return lineGone = true;
    if (result != KLVNDRV_DONE) return false;
    const bool nibbleZero = (static_cast<std::uint32_t>(pollData) >> 28) == 0;
    return nibbleZero == wantZero;
  });
  progress.End();
  if (lineGone) TellLineLost();
  return matched && !lineGone;
}

}  // namespace shell
