// Whole transfers as the gateway runs them, from the wire format: which transfer a poll answer
// names, the letter and frame address of every word, and the data the gateway keeps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vuz::sim {

enum class TransferKind { WordImage, ExtPoints, AxisCommon, PointBank, Expansion, SingleWord };

// A transfer the PC named in its answer to a poll. Download: the gateway reads the PC's words;
// upload: it writes its own to the PC.
struct TransferRequest {
  TransferKind kind = TransferKind::WordImage;
  bool download = false;
  unsigned axis = 0;         // axis blocks, expansion word, single words
  unsigned bank = 0;         // point banks
  unsigned address = 0;      // single words: the 16-bit gateway word address
  bool over_512 = false;     // word images: the code says the image has more than 512 words
};

// The transfer a poll answer names; nullopt for an answer that names none the gateway performs
// (the start-up answer 4, the Q2 answers 14 and 271, a point bank above 15).
std::optional<TransferRequest> decode_request(std::uint32_t code);

// The gateway's frame for word `index`: its letter and 8-bit frame address.
char word_letter(const TransferRequest& request, std::size_t index);
unsigned frame_address(const TransferRequest& request, std::size_t index);
// What the PC's answer to an uploaded word carries: the frame address for axis letters, else 0.
std::uint32_t upload_answer(const TransferRequest& request, std::size_t index);

inline constexpr std::size_t kAxes = 16;
inline constexpr std::size_t kBanks = 16;
inline constexpr std::size_t kAxisBlockWords = 32;

using AxisBlock = std::array<std::uint32_t, kAxisBlockWords>;
struct AxisImage {
  AxisBlock common{};
  std::array<AxisBlock, kBanks> banks{};
  std::uint32_t expansion = 0;
};

// What the gateway holds. Uploads send it to the PC; downloads replace it with the PC's words.
// Single words are kept apart (GatewayWords), so they can change while the gateway serves.
struct GatewayData {
  std::vector<std::uint32_t> word_image = std::vector<std::uint32_t>(305);
  std::vector<std::uint32_t> ext_points = std::vector<std::uint32_t>(1260);  // raw wire words
  std::array<AxisImage, kAxes> axes{};
};

// The gateway's words that `request` moves; not for single words, which GatewayWords holds.
std::span<std::uint32_t> transfer_words(GatewayData& data, const TransferRequest& request);
// Why the gateway cannot run `request` over `word_count` words, or empty when it can.
std::string refusal(const TransferRequest& request, std::size_t word_count);

}  // namespace vuz::sim
