// The text encoding of a DXF file: the code page its header names for files before R2007
// (ANSI_932, ANSI_1252, dos932, ... as iconv knows them), UTF-8 from R2007 on. Strings are
// decoded for the host's model with their \U+XXXX and \M+NXXXX escapes; new strings are
// encoded in the file's own encoding, with \U+XXXX for what it cannot hold.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace host::dxf {

class TextCodec {
 public:
  // `version` is $ACADVER ("AC1015"), `code_page` $DWGCODEPAGE; either may be empty. Without a
  // code page, bytes are read as UTF-8 when they are valid UTF-8 and as code page 932
  // otherwise, and new strings are written as ASCII with escapes.
  TextCodec(std::string_view version, std::string_view code_page);
  ~TextCodec();
  TextCodec(const TextCodec&) = delete;
  TextCodec& operator=(const TextCodec&) = delete;

  std::u16string Decode(std::string_view bytes) const;
  std::string Encode(std::u16string_view text) const;

  // The iconv name of the encoding in use ("UTF-8", "CP932", ...).
  const std::string& encoding() const { return encoding_; }

 private:
  struct Converters;
  std::string encoding_;
  bool guess_ = false;  // no code page named: UTF-8 or code page 932
  std::unique_ptr<Converters> converters_;
};

// Whether a $ACADVER value is R2007 (AC1021) or later, whose strings are UTF-8.
bool IsUnicodeVersion(std::string_view version);

}  // namespace host::dxf
