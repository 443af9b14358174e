// Exports of the load counter, the poll-driven transfers and the Q2 preparation.
#include <functional>

#include "Contained.h"
#include "Exchange.h"
#include "ExtPointImage.h"
#include "RequestCode.h"
#include "Transfer.h"
#include "klvndrv.h"

using namespace klvn;

namespace {

// Axis types of the axis letters.
constexpr std::int32_t kCommonUpload = 0, kCommonDownload = 1;
constexpr std::int32_t kBankUpload = 2, kBankDownload = 3;
constexpr std::int32_t kExpansionUpload = 4, kExpansionDownload = 5;
constexpr std::int32_t kWordRead = 6, kWordWrite = 7;

// A capacity the letters of the family cannot reach would stall at a block's end, and the
// caller's array is sized by it: such a transfer fails before it starts.
bool fits(std::int32_t capacity, std::int32_t max_words) {
  return capacity >= 0 && capacity <= max_words;
}
// An extended-point image is whole records, so the caller's capacity x 4 / 3 values cover it.
bool fits_ext_points(std::int32_t capacity) {
  return fits(capacity, kExtPointMaxWords) && capacity % kWordsPerRecord == 0;
}

std::int32_t word_image_step(std::int32_t* fill, const std::int32_t* source) {
  const std::int32_t capacity = load_capacity();
  if (!(fill || source) || !fits(capacity, kWordImageMaxWords)) return KLVNDRV_FAILED;
  return counted_step({capacity, word_image_code(capacity, source != nullptr), 0,
                       kWordImageFirstType, fill, source});
}

std::int32_t ext_point_step(std::int32_t capacity, std::int32_t* fill, const std::int32_t* source) {
  return counted_step(
      {capacity, ext_point_code(source != nullptr), 0, kExtPointFirstType, fill, source});
}

std::int32_t axis_block_step(std::int32_t ax_type, std::int32_t request_code, std::int32_t* fill,
                             const std::int32_t* source) {
  return counted_step({kAxisBlockWords, request_code, axis_check_letter(ax_type), 0, fill, source});
}

std::int32_t single_word(std::int32_t ax_type, std::int32_t request_code, std::int32_t* fill,
                         std::int32_t value = 0) {
  return single_word_step({axis_check_letter(ax_type), request_code, fill, value});
}

// Each phase of the Q2 preparation repeats while it gives "continue", at most this often: on a
// silent link about 4.8 s (16 waits of 300 ms), then the preparation fails.
constexpr int kQ2PhaseTries = 16;

std::int32_t repeat_phase(const std::function<std::int32_t()>& phase) {
  for (int attempt = 0; attempt < kQ2PhaseTries; ++attempt) {
    const std::int32_t result = phase();
    if (result != KLVNDRV_GO_ON) return result;
  }
  return KLVNDRV_FAILED;
}

}  // namespace

extern "C" {

int32_t reset_load_count(int32_t capacity) {
  reset_load_counter(capacity);
  return capacity;
}

int32_t get_load_count(void) { return load_count(); }

int32_t exec_upload(int32_t* words) {
  return contained([=] { return word_image_step(words, nullptr); });
}

int32_t exec_download(const int32_t* words) {
  return contained([=] { return word_image_step(nullptr, words); });
}

int32_t exec_expt_upload(int32_t* values) {
  return contained([=] {
    const std::int32_t capacity = load_capacity();
    if (!values || !fits_ext_points(capacity)) return KLVNDRV_FAILED;
    const auto wire = ext_point_buffer().first(static_cast<std::size_t>(capacity));
    if (load_count() < capacity) return ext_point_step(capacity, wire.data(), nullptr);
    unpack_ext_points(wire, {values, static_cast<std::size_t>(ext_point_values(capacity))});
    return KLVNDRV_DONE;
  });
}

int32_t exec_expt_download(const int32_t* values) {
  return contained([=] {
    const std::int32_t capacity = load_capacity();
    if (!values || !fits_ext_points(capacity)) return KLVNDRV_FAILED;
    const auto wire = ext_point_buffer().first(static_cast<std::size_t>(capacity));
    if (load_count() == 0)
      pack_ext_points({values, static_cast<std::size_t>(ext_point_values(capacity))}, wire);
    return ext_point_step(capacity, nullptr, wire.data());
  });
}

int32_t exec_axcom_upload(int32_t axis, int32_t* words) {
  return contained([=] {
    if (!words || !is_axis(axis)) return KLVNDRV_FAILED;
    return axis_block_step(kCommonUpload, axis_common_code(axis, false), words, nullptr);
  });
}

int32_t exec_axcom_download(int32_t axis, const int32_t* words) {
  return contained([=] {
    if (!words || !is_axis(axis)) return KLVNDRV_FAILED;
    return axis_block_step(kCommonDownload, axis_common_code(axis, true), nullptr, words);
  });
}

int32_t exec_axpoint_upload(int32_t axis, int32_t bank, int32_t* words) {
  return contained([=] {
    if (!words || !is_axis(axis) || bank < 0) return KLVNDRV_FAILED;
    return axis_block_step(kBankUpload, point_bank_code(axis, bank, false), words, nullptr);
  });
}

int32_t exec_axpoint_download(int32_t axis, int32_t bank, const int32_t* words) {
  return contained([=] {
    if (!words || !is_axis(axis) || bank < 0) return KLVNDRV_FAILED;
    return axis_block_step(kBankDownload, point_bank_code(axis, bank, true), nullptr, words);
  });
}

int32_t exec_axexpr_upload(int32_t axis, int32_t* value) {
  return contained([=] {
    if (!value || !is_axis(axis)) return KLVNDRV_FAILED;
    return single_word(kExpansionUpload, expansion_code(axis, false), value);
  });
}

int32_t exec_axexpr_download(int32_t axis, int32_t value) {
  return contained([=] {
    if (!is_axis(axis)) return KLVNDRV_FAILED;
    return single_word(kExpansionDownload, expansion_code(axis, true), nullptr, value);
  });
}

int32_t exec_addr_rd_upload(int32_t axis, int32_t address, int32_t* value) {
  return contained([=] {
    if (!value || !is_axis(axis) || !is_word_address(address)) return KLVNDRV_FAILED;
    return single_word(kWordRead, single_word_code(axis, address, false), value);
  });
}

int32_t exec_addr_wr_download(int32_t axis, int32_t address, int32_t value) {
  return contained([=] {
    if (!is_axis(axis) || !is_word_address(address)) return KLVNDRV_FAILED;
    return single_word(kWordWrite, single_word_code(axis, address, true), nullptr, value);
  });
}

int32_t prepare_Q2_command(int32_t axis, int32_t sub_index, int32_t value) {
  return contained([=] {
    if (!is_axis(axis) || !is_nibble(sub_index)) return KLVNDRV_FAILED;
    constexpr std::int32_t kQ2WordAddress = 1024;
    std::int32_t poll_data = 0;
    const std::function<std::int32_t()> phases[] = {
        [&] { return exec_poll_answer(&poll_data, q2_announce_code(axis, sub_index)); },
        [&] { return exec_addr_wr_download(axis, kQ2WordAddress, value); },
        [&] { return exec_poll_answer(&poll_data, q2_commit_code(axis)); },
    };
    // A phase that fails or is aborted ends the preparation: the commit must not follow a word
    // the gateway never took.
    std::int32_t result = KLVNDRV_FAILED;
    for (const auto& phase : phases) {
      result = repeat_phase(phase);
      if (result != KLVNDRV_DONE) break;
    }
    return result;
  });
}

}  // extern "C"
