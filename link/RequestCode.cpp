#include "RequestCode.h"

namespace klvn {

namespace {

// Fields are put together unsigned: an address from 32768 up fills the sign bit.
std::int32_t code(std::uint32_t address, std::int32_t axis, std::int32_t bank, std::uint32_t kind) {
  return static_cast<std::int32_t>(address << 16 | static_cast<std::uint32_t>(axis) << 12 |
                                   static_cast<std::uint32_t>(bank) << 8 | kind);
}

}  // namespace

bool is_axis(std::int32_t axis) { return axis >= 0 && axis <= 15; }
bool is_nibble(std::int32_t bank_or_sub_index) {
  return bank_or_sub_index >= 0 && bank_or_sub_index <= 15;
}
bool is_word_address(std::int32_t address) { return address >= 0 && address <= 0xFFFF; }

std::int32_t word_image_code(std::int32_t capacity, bool gateway_reads) {
  if (capacity <= 512) return gateway_reads ? 2 : 1;
  return gateway_reads ? 33 : 32;
}

std::int32_t ext_point_code(bool gateway_reads) { return gateway_reads ? 35 : 34; }

std::int32_t axis_common_code(std::int32_t axis, bool gateway_reads) {
  return code(0, axis, 0, gateway_reads ? 6 : 5);
}

std::int32_t point_bank_code(std::int32_t axis, std::int32_t bank, bool gateway_reads) {
  if (bank > 15) return code(0, axis, 0, gateway_reads ? 13 : 12);
  return code(0, axis, bank, gateway_reads ? 8 : 7);
}

std::int32_t expansion_code(std::int32_t axis, bool gateway_reads) {
  return code(0, axis, 0, gateway_reads ? 10 : 9);
}

std::int32_t single_word_code(std::int32_t axis, std::int32_t address, bool gateway_reads) {
  return code(static_cast<std::uint32_t>(address), axis, 0, gateway_reads ? 16 : 17);
}

std::int32_t q2_announce_code(std::int32_t axis, std::int32_t sub_index) {
  return code(0, axis, sub_index, 14);
}

std::int32_t q2_commit_code(std::int32_t axis) { return code(0, axis, 1, 15); }

}  // namespace klvn
