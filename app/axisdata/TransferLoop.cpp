#include "axisdata/TransferLoop.h"

#include "platform/KlvnImports.h"
#include "platform/UiServices.h"

namespace axisdata {

std::int32_t RunTransferLoop(const std::function<std::int32_t()>& step,
                             const TransferProgress& progress) {
  std::int32_t result = -1;
  bool started = false;
  while (result == -1 && !TransferCancel) {
    result = step();
    const std::int32_t count = klvn::get_load_count();
    if (progress.showCount) progress.showCount(count);
    if (count != 0 && !started) {
      started = true;
      if (progress.showMoving) progress.showMoving();
    }
    platform::Ui().ProcessEvents();
  }
  return result;
}

}  // namespace axisdata
