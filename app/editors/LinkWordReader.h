#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "editors/MonitorPolling.h"

// Single gateway words through the link library's word read, each read bounded, so that a
// silent link leaves the window running: the monitor reads on the window's thread without
// letting window events run meanwhile.
//
// A word arrives in two exchanges: the gateway polls and the read answers with the word's
// address, then the gateway sends the word. Each library call takes at most one frame and waits
// for it up to the library's frame wait. A read goes on only after a call that answered a poll
// (it came back before that wait ran out): the word follows at once and must be taken now, or the
// next read would take it for its own. A call that saw nothing, or failed, ends the read until
// the next tick; so does a gateway that keeps polling without sending the word.
namespace editors {

class LinkWordReader : public WordReader {
 public:
  using Call = std::function<std::int32_t(std::int32_t axis, std::int32_t address,
                                          std::int32_t* value)>;

  // The library's longest wait for a frame within one call.
  static constexpr std::chrono::milliseconds kLibraryFrameWait{300};
  // Calls one read makes at most: the poll, the word, and a repeated poll or two.
  static constexpr int kMaxCalls = 4;

  // `call` is the library's word read (the default); tests give a stand-in and its frame wait.
  explicit LinkWordReader(Call call = {}, std::chrono::milliseconds frameWait = kLibraryFrameWait);

  std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) override;

 private:
  Call call_;
  std::chrono::steady_clock::duration pollAnswered_;  // a call that came back sooner took a frame
};

}  // namespace editors
