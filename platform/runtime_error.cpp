#include "runtime_error.h"

#include <utility>

namespace platform {
namespace {

// The ASCII texts convert to UTF-8 for what() without a conversion library.
std::string Narrow(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return out;
}

}  // namespace

std::u16string StandardErrorText(std::int32_t number) {
  switch (number) {
    case error::kInvalidArgument:
      return u"Invalid procedure call or argument";
    case error::kOverflow:
      return u"Overflow";
    case error::kSubscriptOutOfRange:
      return u"Subscript out of range";
    case error::kTypeMismatch:
      return u"Type mismatch";
    case error::kInternal:
      return u"Internal error";
    case error::kBadFileName:
      return u"Bad file name or number";
    case error::kFileNotFound:
      return u"File not found";
    case error::kDeviceIoError:
      return u"Device I/O error";
    case error::kDiskFull:
      return u"Disk full";
    case error::kInputPastEnd:
      return u"Input past end of file";
    case error::kDeviceUnavailable:
      return u"Device unavailable";
    case error::kPermissionDenied:
      return u"Permission denied";
    case error::kPathFileAccess:
      return u"Path/File access error";
    case error::kPathNotFound:
      return u"Path not found";
    case error::kInvalidPropertyValue:
      return u"Invalid property value";
    case error::kInvalidPropertyIndex:
      return u"Invalid property array index";
    case error::kFormAlreadyDisplayed:
      return u"Form already displayed; can't show modally";
    case error::kObjectRequired:
      return u"Object required";
    case error::kWrongArgumentCount:
      return u"Wrong number of arguments or invalid property assignment";
    case error::kControlNotFound:
      return u"Control not found";
    default:
      return u"Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(std::int32_t number) : RuntimeError(number, StandardErrorText(number)) {}

RuntimeError::RuntimeError(std::int32_t number, std::u16string text)
    : number_(number), text_(std::move(text)) {
  what_ = "error " + std::to_string(number_) + ": " + Narrow(text_);
}

}  // namespace platform
