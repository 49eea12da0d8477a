// The language runtime's trappable errors: a number and its standard text.
//
// Every failure the commands can meet (bad argument, overflow, subscript, type mismatch, file
// errors) is thrown as a RuntimeError; it is caught only where a routine handles errors, and
// otherwise reaches the plug-in boundary, which reports the number and text to the host.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "platform_export.h"

namespace platform {

namespace error {
inline constexpr std::int32_t kInvalidArgument = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInternal = 51;
inline constexpr std::int32_t kBadFileName = 52;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kDeviceIoError = 57;
inline constexpr std::int32_t kDiskFull = 61;
inline constexpr std::int32_t kInputPastEnd = 62;
inline constexpr std::int32_t kDeviceUnavailable = 68;
inline constexpr std::int32_t kPermissionDenied = 70;
inline constexpr std::int32_t kPathFileAccess = 75;
inline constexpr std::int32_t kPathNotFound = 76;
inline constexpr std::int32_t kInvalidPropertyValue = 380;
inline constexpr std::int32_t kInvalidPropertyIndex = 381;
inline constexpr std::int32_t kFormAlreadyDisplayed = 400;
inline constexpr std::int32_t kObjectRequired = 424;
inline constexpr std::int32_t kWrongArgumentCount = 450;
inline constexpr std::int32_t kControlNotFound = 730;
}  // namespace error

class PLATFORM_API RuntimeError : public std::exception {
 public:
  // An error with the standard text of its number.
  explicit RuntimeError(std::int32_t number);
  RuntimeError(std::int32_t number, std::u16string text);

  std::int32_t number() const noexcept { return number_; }
  const std::u16string& text() const noexcept { return text_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::int32_t number_;
  std::u16string text_;
  std::string what_;
};

// The standard text of an error number ("Overflow", "Subscript out of range", ...).
PLATFORM_API std::u16string StandardErrorText(std::int32_t number);

}  // namespace platform
