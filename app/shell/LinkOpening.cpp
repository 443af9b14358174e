#include "shell/LinkOpening.h"

#include "axisdata/ProgressView.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "resources/UiText.h"

namespace shell {

LinkOpening OpenLink(const std::string& portName) {
  if (klvn::init_klvn_slave(portName.c_str()) != klvn::kStepDone) return LinkOpening::PortUsed;
  if (klvn::get_klvn_state() != klvn::kLinkReady) return LinkOpening::NotReady;
  return LinkOpening::Ready;
}

bool WaitForFirstPoll(bool wantZero, std::int32_t& pollData) {
  using resources::Txt;
  axisdata::BeginTransferSeries();
  axisdata::ProgressView& progress = axisdata::Progress();
  progress.Begin(resources::Text(wantZero ? Txt::StartUpload : Txt::StartDownload), 0, true);
  const bool matched = axisdata::RunWaitLoop([&pollData, wantZero] {
    if (klvn::exec_poll_answer(&pollData, klvn::kNoTransferAnswer) != klvn::kStepDone) return false;
    const bool nibbleZero = (static_cast<std::uint32_t>(pollData) >> 28) == 0;
    return nibbleZero == wantZero;
  });
  progress.End();
  return matched;
}

}  // namespace shell
