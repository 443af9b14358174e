#include "GatewayMaster.h"

#include <ostream>
#include <utility>

namespace vuz::sim {

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kPollLetter = 'P';
constexpr char kAbortLetter = 'Z';

// Ends `outcome` for an exchange that brought no right answer.
void end_without_answer(TransferOutcome& outcome, const ResponseCheck& reply, std::size_t index,
                        std::stop_token stop) {
  if (stop.stop_requested()) outcome.end = TransferEnd::Stopped;
  else if (reply.bytes.empty()) outcome.end = TransferEnd::NoAnswer;
  else outcome.end = TransferEnd::WrongAnswer;
  outcome.error = "word " + std::to_string(index) + ": " + reply.error;
}

}  // namespace

const char* name(TransferEnd end) {
  switch (end) {
    case TransferEnd::Completed: return "completed";
    case TransferEnd::Aborted: return "aborted";
    case TransferEnd::Silenced: return "silenced";
    case TransferEnd::NoAnswer: return "no answer";
    case TransferEnd::WrongAnswer: return "wrong answer";
    case TransferEnd::Refused: return "refused";
    case TransferEnd::Stopped: return "stopped";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& out, TransferEnd end) { return out << name(end); }

GatewayMaster::GatewayMaster(GatewaySimulator& link, milliseconds answer_limit)
    : link_(link), answer_limit_(answer_limit) {}

ResponseCheck GatewayMaster::exchange(const Command& command, std::stop_token stop) {
  link_.send_command(command);
  ResponseCheck reply = link_.await_response(answer_limit_, stop);
  if (reply.response && reply.response->letter != command.letter) {
    reply.error = std::string("answered '") + reply.response->letter + "' to '" + command.letter +
                  "': " + printable(reply.bytes);
    reply.response.reset();
  }
  return reply;
}

std::optional<std::uint32_t> GatewayMaster::poll(std::uint32_t poll_data, std::stop_token stop) {
  const ResponseCheck reply = exchange({kPollLetter, 0, poll_data}, stop);
  if (!reply.response) return std::nullopt;
  return reply.response->data;
}

bool GatewayMaster::exchange_word(const TransferRequest& request, std::span<std::uint32_t> words,
                                  std::size_t index, TransferOutcome& outcome,
                                  std::stop_token stop) {
  const Command command{word_letter(request, index), frame_address(request, index),
                        request.download ? 0 : words[index]};
  const auto sent = Clock::now();
  ResponseCheck reply = exchange(command, stop);
  if (reply.response && !request.download && reply.response->data != upload_answer(request, index)) {
    reply.error = "an upload answer carries " + std::to_string(upload_answer(request, index)) +
                  ": " + printable(reply.bytes);
    reply.response.reset();
  }
  if (!reply.response) {
    end_without_answer(outcome, reply, index, stop);
    return false;
  }
  if (request.download) words[index] = reply.response->data;
  outcome.word_times.push_back(Clock::now() - sent);
  ++outcome.letters[command.letter];
  ++outcome.answered;
  return true;
}

void GatewayMaster::interrupt(const TransferRequest& request, std::span<std::uint32_t> words,
                              const Fault& fault, TransferOutcome& outcome, std::stop_token stop) {
  if (fault.kind == FaultKind::Silence) {
    outcome.end = TransferEnd::Silenced;
    return;
  }
  const bool abort = fault.kind == FaultKind::Abort;
  const std::size_t skipped_to = fault.at + 1;
  const std::uint32_t data = request.download || skipped_to >= words.size() ? 0 : words[skipped_to];
  const Command command = abort ? Command{kAbortLetter, 0, 0}
                                : Command{word_letter(request, skipped_to),
                                          frame_address(request, skipped_to), data};
  const ResponseCheck reply = exchange(command, stop);
  if (abort && reply.response) {
    outcome.end = TransferEnd::Aborted;
  } else if (!abort && reply.bytes.empty() && !stop.stop_requested()) {
    outcome.end = TransferEnd::NoAnswer;
    outcome.error = "word " + std::to_string(skipped_to) + " (skipped to) was not answered";
  } else {
    end_without_answer(outcome, reply, fault.at, stop);
    if (!abort && reply.response) outcome.error = "a skipped-to word was answered";
  }
}

TransferOutcome GatewayMaster::perform(const TransferRequest& request, const Fault& fault,
                                       std::stop_token stop) {
  if (request.kind != TransferKind::SingleWord)
    return run(request, transfer_words(data, request), fault, stop);
  // The word as it stands when the gateway sends it; a write lands once it was answered.
  std::uint32_t word = this->words.get(request.axis, request.address);
  TransferOutcome outcome = run(request, {&word, 1}, fault, stop);
  if (outcome.end == TransferEnd::Completed) {
    if (request.download) this->words.set(request.axis, request.address, word);
    else this->words.book_read(request.axis, request.address);
  }
  return outcome;
}

TransferOutcome GatewayMaster::run(const TransferRequest& request, std::span<std::uint32_t> words,
                                   const Fault& fault, std::stop_token stop) {
  TransferOutcome outcome;
  outcome.request = request;
  if (outcome.error = refusal(request, words.size()); !outcome.error.empty()) {
    outcome.end = TransferEnd::Refused;
    return outcome;
  }
  const bool interrupts = fault.kind == FaultKind::SkipWord || fault.kind == FaultKind::Abort ||
                          fault.kind == FaultKind::Silence;
  for (std::size_t index = 0; index < words.size(); ++index) {
    if (interrupts && fault.at == index) {
      interrupt(request, words, fault, outcome, stop);
      return outcome;
    }
    if (!exchange_word(request, words, index, outcome, stop)) return outcome;
    if (fault.kind == FaultKind::RepeatWord && fault.at == index &&
        !exchange_word(request, words, index, outcome, stop))
      return outcome;
  }
  outcome.end = TransferEnd::Completed;
  return outcome;
}

std::vector<TransferOutcome> GatewayMaster::serve(const ServeOptions& options,
                                                  std::stop_token stop) {
  std::vector<TransferOutcome> kept;
  for (std::size_t ran = 0; options.transfers == 0 || ran < options.transfers;) {
    if (stop.stop_requested()) break;
    const auto code = poll(options.poll_data, stop);
    const auto request = code ? decode_request(*code) : std::nullopt;
    if (!request) continue;
    TransferOutcome outcome = perform(*request, options.fault, stop);
    outcome.code = *code;
    ++ran;
    if (options.on_transfer) options.on_transfer(outcome);
    else kept.push_back(std::move(outcome));
  }
  return kept;
}

GatewayThread::GatewayThread(GatewayMaster& master, ServeOptions options)
    : thread_([this, &master, options = std::move(options)](std::stop_token stop) {
        outcomes_ = master.serve(options, stop);
        std::lock_guard lock(done_guard_);
        done_ = true;
        done_changed_.notify_all();
      }) {}

GatewayThread::~GatewayThread() = default;  // the jthread asks to stop and joins

std::vector<TransferOutcome> GatewayThread::wait(milliseconds grace) {
  {
    std::unique_lock lock(done_guard_);
    done_changed_.wait_for(lock, grace, [this] { return done_; });
  }
  thread_.request_stop();
  if (thread_.joinable()) thread_.join();
  return outcomes_;
}

}  // namespace vuz::sim
