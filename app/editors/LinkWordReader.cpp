#include "editors/LinkWordReader.h"

#include <utility>

#include "platform/KlvnImports.h"

namespace editors {

namespace {

std::int32_t LibraryRead(std::int32_t axis, std::int32_t address, std::int32_t* value) {
  return klvn::exec_addr_rd_upload(axis, address, value);
}

}  // namespace

LinkWordReader::LinkWordReader(Call call, std::chrono::milliseconds frameWait)
    : call_(call ? std::move(call) : Call(LibraryRead)), pollAnswered_(frameWait * 9 / 10) {}

std::optional<std::int32_t> LinkWordReader::Read(std::int16_t axis, std::uint16_t address) {
  using Clock = std::chrono::steady_clock;
  for (int calls = 0; calls < kMaxCalls; ++calls) {
    std::int32_t value = 0;
    const Clock::time_point start = Clock::now();
    const std::int32_t result = call_(axis, address, &value);
    if (result == KLVNDRV_DONE) return value;
    const bool pollAnswered = result == KLVNDRV_GO_ON && Clock::now() - start < pollAnswered_;
    if (!pollAnswered) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace editors
