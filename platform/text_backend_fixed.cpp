// The fixed advance text backend: stands in for the system's fonts where measurements must not
// depend on the fonts installed. Every byte advances the same width; the font list is given.
#include <utility>

#include "text_backend.h"

namespace platform::detail {
namespace {

class FixedAdvanceBackend : public TextBackend {
 public:
  FixedAdvanceBackend(std::int32_t pixels_per_byte, std::vector<std::u16string> families)
      : pixels_per_byte_(pixels_per_byte), families_(std::move(families)) {}

  std::int32_t ExtentPixels(const FontSpec&, std::string_view bytes) override {
    return pixels_per_byte_ * static_cast<std::int32_t>(bytes.size());
  }

  std::vector<std::u16string> Families() override { return families_; }

 private:
  std::int32_t pixels_per_byte_;
  std::vector<std::u16string> families_;
};

}  // namespace

std::unique_ptr<TextBackend> MakeFixedAdvanceBackend(std::int32_t pixels_per_byte,
                                                     std::vector<std::u16string> families) {
  return std::make_unique<FixedAdvanceBackend>(pixels_per_byte, std::move(families));
}

}  // namespace platform::detail
