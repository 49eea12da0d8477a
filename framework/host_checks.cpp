// Host compatibility checks and host parameters: version arithmetic, the command's dimension,
// the numbered parameters, the host's start path and the active drawing's titles.
#include <limits>
#include <string>

#include "message_box.h"
#include "qiv_opt_cmd200.h"
#include "runtime_error.h"
#include "vb_convert.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

namespace {

// 1-based position of `needle` in `text` from `start`, 0 when absent.
std::size_t InStr(std::size_t start, std::u16string_view text, char16_t needle) {
  const auto found = text.find(needle, start - 1);
  return found == std::u16string_view::npos ? 0 : found + 1;
}

// Characters from 1-based `start`, `length` of them; a negative length is an invalid argument.
std::u16string_view Mid(std::u16string_view text, std::size_t start, std::int64_t length) {
  if (length < 0) throw RuntimeError(error::kInvalidArgument);
  if (start > text.size()) return {};
  return text.substr(start - 1, static_cast<std::size_t>(length));
}

std::int64_t CheckedLong(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    throw RuntimeError(error::kOverflow);
  return value;
}

}  // namespace

std::int32_t ParseVersion(const std::u16string& s) {
  if (s.size() < 4) return 0;
  const std::u16string_view text(s);
  const std::size_t p1 = InStr(1, text, u',');
  const std::size_t p2 = InStr(p1 + 1, text, u',');
  const std::size_t p3 = InStr(p2 + 1, text, u',');
  const auto signed_pos = [](std::size_t p) { return static_cast<std::int64_t>(p); };
  const auto a = Mid(text, 1, signed_pos(p1) - 1);
  const auto b = Mid(text, p1 + 1, signed_pos(p2) - signed_pos(p1) - 1);
  const auto c = Mid(text, p2 + 1, signed_pos(p3) - signed_pos(p2) - 1);
  const auto d = text.substr(p3);
  std::int64_t value = CheckedLong(std::int64_t{ToLong(a)} * 1000000);
  value = CheckedLong(value + CheckedLong(std::int64_t{ToLong(b)} * 10000));
  value = CheckedLong(value + CheckedLong(std::int64_t{ToLong(c)} * 100));
  value = CheckedLong(value + ToLong(d));
  return static_cast<std::int32_t>(value);
}

void QivOptCmd200::GetQivVersion(std::u16string& ver) {
  events_.Raise(EventId::QivGetQivVersion, ver);
}

VbBool QivOptCmd200::CheckQivVersion(const std::u16string& required) {
  if (ParseVersion(module_.HostVersion) >= ParseVersion(required)) return kTrue;
  platform::MessageBox(u"このコマンドはQIV-CAD4 Ver " + required + u"以上で使用して下さい");
  return kFalse;
}

VbBool QivOptCmd200::SetCommandDimension(std::int32_t dimension) {
  std::int32_t result = 0;
  events_.Raise(EventId::QivSetCommandDimension, dimension, result);
  if (result == 1) return kTrue;
  if (dimension == 2) {
    platform::MessageBox(u"このオプションコマンドは２次元編集専用です");
    return kFalse;
  }
  if (dimension == 3) {
    platform::MessageBox(u"このオプションコマンドは３次元編集専用です");
    return kFalse;
  }
  return kTrue;
}

VbBool QivOptCmd200::GetLong1022() {
  std::int32_t id = 1022, lparam = 0;
  events_.Raise(EventId::QivGetLong, id, lparam);
  return ToVbBool(lparam != 0);
}

std::int16_t QivOptCmd200::GetInteger1005() {
  std::int32_t id = 1005;
  std::int16_t iparam = 0;
  events_.Raise(EventId::QivGetInteger, id, iparam);
  return iparam;
}

void QivOptCmd200::SetLong4101(VbBool on) {
  std::int32_t id = 4101, lparam = on == kTrue ? 1 : 0;
  events_.Raise(EventId::QivSetLong, id, lparam);
}

std::u16string QivOptCmd200::GetStartPath() {
  std::u16string path;
  events_.Raise(EventId::QivGetStartPath, path);
  return path;
}

VbBool QivOptCmd200::GetActiveQivwinTitle(std::u16string& DocTitle, std::u16string& VwTitle) {
  DocTitle = kBlanks27;
  VwTitle = kBlanks27;
  std::int16_t result = 0;
  events_.Raise(EventId::QivGetActiveQivwinTitle, DocTitle, VwTitle, result);
  return ToVbBool(result != 0);
}

}  // namespace qiv
