#include "text_measure.h"

#include <utility>

#include "platform_state.h"
#include "text_backend.h"

namespace platform {
namespace {

detail::TextBackend& Backend() {
  auto& backend = detail::State().text_backend;
  if (!backend) backend = detail::MakeSystemFontBackend();
  return *backend;
}

}  // namespace

std::int32_t TextExtentPixels(const FontSpec& font, std::string_view bytes) {
  return Backend().ExtentPixels(font, bytes);
}

std::vector<std::u16string> ScreenFonts() {
  return Backend().Families();
}

void UseSystemFonts() {
  detail::State().text_backend = detail::MakeSystemFontBackend();
}

void UseFixedAdvanceFonts(std::int32_t pixels_per_byte, std::vector<std::u16string> families) {
  detail::State().text_backend =
      detail::MakeFixedAdvanceBackend(pixels_per_byte, std::move(families));
}

}  // namespace platform
