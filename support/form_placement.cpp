#include "form_placement.h"

#include "window_system.h"

namespace support {

namespace win = platform::win;

std::int32_t GetCursorPosition(double& x, double& y) {
  win::POINT point;
  const std::int32_t result = win::GetCursorPos(point);
  x = win::kTwipsPerPixelX * static_cast<double>(point.x);
  y = win::kTwipsPerPixelY * static_cast<double>(point.y);
  return result;
}

void PlaceFormAtCursor(platform::Form& form, double& x, double& y, std::int16_t code) {
  const double width = form.Width();
  const double height = form.Height();
  const double screen_width = win::kTwipsPerPixelX * win::GetSystemMetrics(win::SM_CXFULLSCREEN);
  const double screen_height = win::kTwipsPerPixelY * win::GetSystemMetrics(win::SM_CYFULLSCREEN);
  GetCursorPosition(x, y);
  switch (code % 3) {
    case 1:
      x -= width / 2;
      break;
    case 2:
      x -= width;
      break;
    default:
      break;
  }
  switch (code / 3) {
    case 1:
      y -= height / 2;
      break;
    case 2:
      y -= height;
      break;
    default:
      break;
  }
  if (x < 0) x = 0;
  if (x + width > screen_width) x = screen_width - width;
  if (y < 0) y = 0;
  if (y + height > screen_height) y = screen_height - height;
}

}  // namespace support
