#include "GatewayTransfers.h"

namespace vuz::sim {

namespace {

constexpr std::size_t kBlockWords = 256;

struct KindCodes {
  TransferKind kind;
  unsigned upload, download;  // the low 8 bits of the poll answer
  const char* upload_letters;  // by 256-word block for the block-typed kinds
  const char* download_letters;
};

constexpr KindCodes kKinds[] = {
    {TransferKind::WordImage, 1, 2, "Wwxy", "Rrst"},
    {TransferKind::ExtPoints, 34, 35, "cefgh", "dklmn"},
    {TransferKind::AxisCommon, 5, 6, "A", "B"},
    {TransferKind::PointBank, 7, 8, "C", "D"},
    {TransferKind::Expansion, 9, 10, "E", "F"},
    {TransferKind::SingleWord, 17, 16, "G", "H"},
};
constexpr unsigned kWordImageOver512 = 31;  // added to the word-image codes: 32 / 33

const KindCodes& codes_of(TransferKind kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return k;
  return kKinds[0];
}

const char* letters_of(const TransferRequest& request) {
  const KindCodes& k = codes_of(request.kind);
  return request.download ? k.download_letters : k.upload_letters;
}

bool block_typed(TransferKind kind) {
  return kind == TransferKind::WordImage || kind == TransferKind::ExtPoints;
}

}  // namespace

std::optional<TransferRequest> decode_request(std::uint32_t code) {
  const unsigned low = code & 0xFFu, bank = code >> 8 & 0xFu, axis = code >> 12 & 0xFu;
  const unsigned address = code >> 16;
  for (const auto& k : kKinds) {
    for (const bool download : {false, true}) {
      const unsigned kind_code = download ? k.download : k.upload;
      TransferRequest request{k.kind, download};
      if (block_typed(k.kind)) {
        const bool large = k.kind == TransferKind::WordImage && code == kind_code + kWordImageOver512;
        if (code != kind_code && !large) continue;
        request.over_512 = large;
        return request;
      }
      if (low != kind_code) continue;
      // Only a point bank carries a bank, only a single word an address.
      if (bank != 0 && k.kind != TransferKind::PointBank) return std::nullopt;
      if (address != 0 && k.kind != TransferKind::SingleWord) return std::nullopt;
      request.axis = axis;
      request.bank = bank;
      request.address = address;
      return request;
    }
  }
  return std::nullopt;
}

char word_letter(const TransferRequest& request, std::size_t index) {
  return letters_of(request)[block_typed(request.kind) ? index / kBlockWords : 0];
}

unsigned frame_address(const TransferRequest& request, std::size_t index) {
  switch (request.kind) {
    case TransferKind::WordImage:
    case TransferKind::ExtPoints: return static_cast<unsigned>(index % kBlockWords);
    case TransferKind::SingleWord: return request.address & 0xFFu;
    default: return static_cast<unsigned>(index);
  }
}

std::uint32_t upload_answer(const TransferRequest& request, std::size_t index) {
  return block_typed(request.kind) ? 0 : frame_address(request, index);
}

std::span<std::uint32_t> transfer_words(GatewayData& data, const TransferRequest& request) {
  AxisImage& axis = data.axes[request.axis % kAxes];
  switch (request.kind) {
    case TransferKind::WordImage: return data.word_image;
    case TransferKind::ExtPoints: return data.ext_points;
    case TransferKind::AxisCommon: return axis.common;
    case TransferKind::PointBank: return axis.banks[request.bank % kBanks];
    case TransferKind::Expansion: return {&axis.expansion, 1};
    case TransferKind::SingleWord: break;
  }
  return {};
}

std::string refusal(const TransferRequest& request, std::size_t word_count) {
  const std::size_t blocks = std::char_traits<char>::length(letters_of(request));
  if (block_typed(request.kind) && word_count > blocks * kBlockWords)
    return "the gateway's image has " + std::to_string(word_count) + " words, its letters reach " +
           std::to_string(blocks * kBlockWords);
  if (request.kind == TransferKind::WordImage && request.over_512 != (word_count > 512))
    return "the poll answer says " + std::string(request.over_512 ? "more than" : "at most") +
           " 512 words, the gateway's image has " + std::to_string(word_count);
  return {};
}

}  // namespace vuz::sim
