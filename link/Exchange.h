// One exchange with the gateway, seen from the caller: check for the next command frame, then
// put the response to it. The transfer steps are built from these.
#pragma once

#include <cstdint>

#include "klvndrv.h"  // the check results

namespace klvn {

// Letter of a word-image or extended-point block type; a type outside 1-8 is type 0.
char command_letter(std::int32_t block_type, bool gateway_reads);
// Letter an axis check expects ('H' for a type outside 0-7), and the one an axis response
// carries ('Z' for a type outside 0-7).
char axis_check_letter(std::int32_t ax_type);
char axis_response_letter(std::int32_t ax_type);

// Takes the next frame and compares its letter with `expected`. The outs are written only for
// KLVNDRV_DONE; 'Z' gives KLVNDRV_ABORTED only when `axis_check`.
std::int32_t check_for_letter(char expected, bool axis_check, std::int32_t* address,
                              std::int32_t* data);
// As check_for_letter, but either letter is expected; `arrived` is told which one came.
std::int32_t check_for_either(char expected, char also_expected, bool axis_check,
                              std::int32_t* address, std::int32_t* data, char* arrived);
// Queues `letter` with `data` as the response to the frame of the last check. 1 or 0.
std::int32_t put_response(char letter, std::uint32_t data);

// Word-image family: the read letter carries `data`, the write letter always 0.
std::int32_t check_word_command(std::int32_t block_type, std::int32_t gateway_reads,
                                std::int32_t* address, std::int32_t* data);
std::int32_t put_word_response(std::int32_t block_type, std::int32_t gateway_reads,
                               std::int32_t data);

// KLVNDRV_POLL for a poll (its data stored in `poll_data`), KLVNDRV_FAILED for another letter or a
// link not ready, KLVNDRV_GO_ON for no frame.
std::int32_t wait_poll_command(std::int32_t* poll_data);
// Queues 'P' with `code`. 1 or 0.
std::int32_t put_poll_answer(std::int32_t code);

// The letter that acknowledges the gateway's abort.
inline constexpr char kAbortLetter = 'Z';

}  // namespace klvn
