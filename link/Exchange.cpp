#include "Exchange.h"

#include <algorithm>

#include "CallerSide.h"
#include "LinkBlock.h"

namespace klvn {

namespace {

// By block type 0-8: the letter when the gateway writes, and when it reads.
constexpr char kWriteLetters[] = "Wwxycefgh";
constexpr char kReadLetters[] = "Rrstdklmn";
constexpr char kAxisLetters[] = "ABCDEFGH";

bool is_axis_type(std::int32_t ax_type) { return ax_type >= 0 && ax_type <= 7; }

}  // namespace

char command_letter(std::int32_t block_type, bool gateway_reads) {
  const std::int32_t type = block_type >= 1 && block_type <= 8 ? block_type : 0;
  return (gateway_reads ? kReadLetters : kWriteLetters)[type];
}

char axis_check_letter(std::int32_t ax_type) {
  return is_axis_type(ax_type) ? kAxisLetters[ax_type] : 'H';
}

char axis_response_letter(std::int32_t ax_type) {
  return is_axis_type(ax_type) ? kAxisLetters[ax_type] : 'Z';
}

std::int32_t check_for_letter(char expected, bool axis_check, std::int32_t* address,
                              std::int32_t* data) {
  char arrived = 0;
  return check_for_either(expected, expected, axis_check, address, data, &arrived);
}

std::int32_t check_for_either(char expected, char also_expected, bool axis_check,
                              std::int32_t* address, std::int32_t* data, char* arrived) {
  if (!address || !data || !arrived || !is_link_ready()) return KLVNDRV_FAILED;
  const LinkLock lock;
  if (!lock) return KLVNDRV_FAILED;
  const auto frame = request_command_frame();
  if (!frame) return KLVNDRV_GO_ON;
  if (frame->letter == expected || frame->letter == also_expected) {
    *arrived = frame->letter;
    *address = frame->address;
    *data = static_cast<std::int32_t>(parse_hex(frame->data.data(), frame->data.size()).value_or(0));
    return KLVNDRV_DONE;
  }
  if (frame->letter == 'P') return KLVNDRV_POLL;
  if (frame->letter == kAbortLetter && axis_check) return KLVNDRV_ABORTED;
  return KLVNDRV_FAILED;
}

std::int32_t put_response(char letter, std::uint32_t data) {
  if (!is_link_ready()) return KLVNDRV_FAILED;
  const LinkLock lock;
  if (!lock) return KLVNDRV_FAILED;
  const auto digits = format_hex8(data);
  with_link_block([letter, &digits](link_block& b) {
    b.response_letter = letter;
    std::copy(digits.begin(), digits.end(), b.response_data);
    b.response_data[8] = '\0';
  });
  signal_response_ready();
  return KLVNDRV_DONE;
}

std::int32_t check_word_command(std::int32_t block_type, std::int32_t gateway_reads,
                                std::int32_t* address, std::int32_t* data) {
  return check_for_letter(command_letter(block_type, gateway_reads != 0), false, address, data);
}

std::int32_t put_word_response(std::int32_t block_type, std::int32_t gateway_reads,
                               std::int32_t data) {
  const bool reads = gateway_reads != 0;
  return put_response(command_letter(block_type, reads), reads ? static_cast<std::uint32_t>(data) : 0);
}

std::int32_t wait_poll_command(std::int32_t* poll_data) {
  std::int32_t address = 0;
  const std::int32_t result = check_for_letter('P', false, &address, poll_data);
  return result == KLVNDRV_DONE ? KLVNDRV_POLL : result;
}

std::int32_t put_poll_answer(std::int32_t code) {
  return put_response('P', static_cast<std::uint32_t>(code));
}

}  // namespace klvn
