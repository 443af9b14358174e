#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The texts an editor wrote into its boxes or cells, each with the value it was written from.
// A box whose text is still what the editor wrote stands for that value: a text shows a value
// rounded (in display units, or as a speed or acceleration), and reading the rounding back would
// change a value nobody touched. Every editor (the point grid, the common-parameter editor, the
// single-point editor) keeps one and asks it before it converts a box's text.
namespace editors {

template <std::size_t Boxes>
class WrittenTexts {
 public:
  // The editor wrote `text` into the box from `value`.
  void Wrote(std::size_t box, std::string text, std::int32_t value) {
    written_.at(box) = Written{std::move(text), value};
  }

  // The box's text stands for no value any more, whatever it shows.
  void Forget(std::size_t box) { written_.at(box).reset(); }

  // The value the box stands for while it shows `text`; nothing once its text differs.
  std::optional<std::int32_t> ValueOf(std::size_t box, std::string_view text) const {
    const std::optional<Written>& written = written_.at(box);
    if (!written || written->text != text) return std::nullopt;
    return written->value;
  }

  // ValueOf, else convert(text) (which may throw for a text that is no value).
  template <class Convert>
  auto ValueOr(std::size_t box, const std::string& text, Convert convert) const
      -> decltype(convert(text)) {
    const std::optional<std::int32_t> value = ValueOf(box, text);
    return value ? static_cast<decltype(convert(text))>(*value) : convert(text);
  }

 private:
  struct Written {
    std::string text;
    std::int32_t value;
  };
  std::array<std::optional<Written>, Boxes> written_;
};

}  // namespace editors
