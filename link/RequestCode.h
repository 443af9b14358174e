// The data of the PC's answer to a poll, which names the transfer the PC wants. Axis 0-15 in
// bits 12-15, bank or sub-index 0-15 in bits 8-11, a 16-bit word address in bits 16-31.
#pragma once

#include <cstdint>

namespace klvn {

// What the fields can hold; a value outside would spill into a neighbouring field.
bool is_axis(std::int32_t axis);
bool is_nibble(std::int32_t bank_or_sub_index);
bool is_word_address(std::int32_t address);

// `gateway_reads`: the gateway reads the PC's words (download); else it writes its own (upload).
std::int32_t word_image_code(std::int32_t capacity, bool gateway_reads);
std::int32_t ext_point_code(bool gateway_reads);
std::int32_t axis_common_code(std::int32_t axis, bool gateway_reads);
// A bank above 15 is named without its number.
std::int32_t point_bank_code(std::int32_t axis, std::int32_t bank, bool gateway_reads);
std::int32_t expansion_code(std::int32_t axis, bool gateway_reads);
std::int32_t single_word_code(std::int32_t axis, std::int32_t address, bool gateway_reads);
// The two poll answers around the word that prepares a Q2 command.
std::int32_t q2_announce_code(std::int32_t axis, std::int32_t sub_index);
std::int32_t q2_commit_code(std::int32_t axis);

}  // namespace klvn
