#include "Transfer.h"

#include <array>
#include <atomic>

#include "Exchange.h"
#include "ExtPointImage.h"

namespace klvn {

namespace {

// Atomic so that a progress display on another thread reads whole values.
std::atomic<std::int32_t> the_load_count{0};
std::atomic<std::int32_t> the_capacity{0};
std::array<std::int32_t, kExtPointBufferWords> the_ext_point_buffer{};

std::int32_t block_base(std::int32_t index) { return index / kBlockWords * kBlockWords; }

char letter_for(const CountedTransfer& transfer, std::int32_t index) {
  if (transfer.axis_letter) return transfer.axis_letter;
  return command_letter(transfer.first_block_type + index / kBlockWords, transfer.source != nullptr);
}

// A poll is answered with the transfer's request code, an abort (axis letters only) with 'Z';
// no frame and failures pass through.
std::int32_t answer_poll_or_abort(std::int32_t check, std::int32_t request_code) {
  if (check == KLVNDRV_POLL) return put_poll_answer(request_code) ? KLVNDRV_GO_ON : KLVNDRV_FAILED;
  if (check == KLVNDRV_ABORTED) return put_response(kAbortLetter, 0) ? KLVNDRV_ABORTED : KLVNDRV_FAILED;
  return check;
}

}  // namespace

void reset_load_counter(std::int32_t capacity) {
  the_capacity = capacity;
  the_load_count = 0;
}

std::int32_t load_count() { return the_load_count; }
std::int32_t load_capacity() { return the_capacity; }

std::int32_t counted_step(const CountedTransfer& transfer) {
  const std::int32_t count = the_load_count;
  if (count >= transfer.capacity) return KLVNDRV_DONE;

  // The gateway repeats the last word when it missed our answer; right after a block boundary
  // that word still carries the previous block's letter.
  const std::int32_t previous = count > 0 ? count - 1 : count;
  const char next_letter = letter_for(transfer, count);
  std::int32_t address = 0, data = 0;
  char arrived = 0;
  const std::int32_t check = check_for_either(next_letter, letter_for(transfer, previous),
                                              transfer.axis_letter != 0, &address, &data, &arrived);
  if (check != KLVNDRV_DONE) return answer_poll_or_abort(check, transfer.request_code);

  const std::int32_t index = block_base(arrived == next_letter ? count : previous) + address;
  if (index != count && index != previous) return KLVNDRV_FAILED;
  the_load_count = index;

  std::uint32_t answer = 0;
  if (transfer.source) {
    answer = static_cast<std::uint32_t>(transfer.source[index]);
  } else {
    transfer.fill[index] = data;
    if (transfer.axis_letter) answer = static_cast<std::uint32_t>(address);
  }
  if (!put_response(letter_for(transfer, index), answer)) return KLVNDRV_FAILED;
  the_load_count = index + 1;
  return KLVNDRV_GO_ON;
}

std::int32_t single_word_step(const SingleWordTransfer& transfer) {
  std::int32_t address = 0, data = 0;
  const std::int32_t check = check_for_letter(transfer.letter, true, &address, &data);
  if (check != KLVNDRV_DONE) return answer_poll_or_abort(check, transfer.request_code);
  if (transfer.fill) *transfer.fill = data;
  const std::int32_t answer = transfer.fill ? address : transfer.value;
  return put_response(transfer.letter, static_cast<std::uint32_t>(answer)) ? KLVNDRV_DONE : KLVNDRV_FAILED;
}

std::span<std::int32_t> ext_point_buffer() { return the_ext_point_buffer; }

}  // namespace klvn
