// The gateway as bus master of whole transfers: it polls the PC, and when the PC's answer names
// a transfer it runs it word by word on its own data, checking every answer as the wire format
// says. Faults can be injected: a repeated word, a skipped word, an abort 'Z', silence.
//
// Frames go one at a time: the gateway sends its next frame only after the answer to the last
// one, and waits for an answer for as long as the PC has not read its frame (the PC is not
// calling), then up to the answer limit.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "GatewaySimulator.h"
#include "GatewayTransfers.h"
#include "GatewayWords.h"

namespace vuz::sim {

enum class FaultKind {
  None,
  RepeatWord,  // after word `at` was answered, send it once more, then go on
  SkipWord,    // send word `at` + 1 in place of word `at`; the PC must not answer it
  Abort,       // send 'Z' in place of word `at`; the PC answers 'Z'
  Silence,     // send nothing from word `at` on
};
struct Fault {
  FaultKind kind = FaultKind::None;
  std::size_t at = 0;
};

enum class TransferEnd {
  Completed,    // every word answered as the wire format says
  Aborted,      // the 'Z' was answered with 'Z'
  Silenced,     // the gateway went silent (Fault::Silence)
  NoAnswer,     // the PC read a frame and did not answer it (the expected end of a skip)
  WrongAnswer,  // an answer with the wrong letter, data or form, or an answer to a skipped word
  Refused,      // the gateway's data does not fit the transfer named
  Stopped,      // told to stop
};

const char* name(TransferEnd end);
std::ostream& operator<<(std::ostream& out, TransferEnd end);

struct TransferOutcome {
  TransferRequest request;
  std::uint32_t code = 0;                            // the poll answer that named it (serve)
  TransferEnd end = TransferEnd::Completed;
  std::size_t answered = 0;                          // frames answered right, repeats included
  std::map<char, std::size_t> letters;               // those frames by letter
  std::vector<std::chrono::nanoseconds> word_times;  // per such frame: sent to answer checked
  std::string error;                                 // what went wrong, for messages
};

struct ServeOptions {
  std::uint32_t poll_data = 0;
  std::size_t transfers = 1;  // transfers to run before serve() returns; 0: until stopped
  Fault fault{};              // injected into every transfer
  // Told about each transfer as it ends; outcomes given to it are not kept in the result
  // (so a front end can serve for hours).
  std::function<void(const TransferOutcome&)> on_transfer{};
};

class GatewayMaster {
 public:
  // `answer_limit`: how long the gateway waits for an answer once the PC has read its frame.
  explicit GatewayMaster(GatewaySimulator& link, milliseconds answer_limit = milliseconds(500));

  // The gateway's data; do not touch it while a transfer runs on another thread.
  GatewayData data;
  // Its single words; these may be set and changed at any time.
  GatewayWords words;

  // One poll; the data of the PC's 'P' answer, nullopt when none came.
  std::optional<std::uint32_t> poll(std::uint32_t poll_data, std::stop_token stop = {});
  // Runs one transfer on `data` (a single word on `words`).
  TransferOutcome perform(const TransferRequest& request, const Fault& fault = {},
                          std::stop_token stop = {});
  // Polls until an answer names a transfer, runs it, and again until `options.transfers` ran
  // or `stop` is requested. Answers that name no transfer are polled over.
  std::vector<TransferOutcome> serve(const ServeOptions& options, std::stop_token stop = {});

 private:
  // Sends `command`; the answer, which must carry the command's letter.
  ResponseCheck exchange(const Command& command, std::stop_token stop);
  // Moves word `index` of `words` and books it in `outcome`; false (and the end told) if not.
  bool exchange_word(const TransferRequest& request, std::span<std::uint32_t> words,
                     std::size_t index, TransferOutcome& outcome, std::stop_token stop);
  // Runs `request` over `words` word by word.
  TransferOutcome run(const TransferRequest& request, std::span<std::uint32_t> words,
                      const Fault& fault, std::stop_token stop);
  // A skip, an abort or silence in place of word `fault.at`; tells the end in `outcome`.
  void interrupt(const TransferRequest& request, std::span<std::uint32_t> words,
                 const Fault& fault, TransferOutcome& outcome, std::stop_token stop);

  GatewaySimulator& link_;
  milliseconds answer_limit_;
};

// serve() on a thread of its own, for a test that drives the PC side meanwhile.
class GatewayThread {
 public:
  GatewayThread(GatewayMaster& master, ServeOptions options);
  // Stops and joins.
  ~GatewayThread();
  GatewayThread(const GatewayThread&) = delete;
  GatewayThread& operator=(const GatewayThread&) = delete;

  void stop() { thread_.request_stop(); }
  // Waits up to `grace` for serve() to return by itself, then stops it; its outcomes. The
  // master's data is then safe to read.
  std::vector<TransferOutcome> wait(milliseconds grace = milliseconds(5000));

 private:
  std::vector<TransferOutcome> outcomes_;
  std::mutex done_guard_;
  std::condition_variable done_changed_;
  bool done_ = false;
  std::jthread thread_;
};

}  // namespace vuz::sim
