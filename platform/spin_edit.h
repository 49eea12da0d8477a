// The numeric spin edit: a field holding a text and a numeric value.
//
// Stands in for the host's spin-edit control. Code reads and writes the text and the value
// independently: each reads back what was last written to it, and neither ever fails. The user's
// input ties them together: typing a text that reads as a number sets the value too, and a spin
// to a value writes its shortest decimal form into the text (user_action.h). The design-time
// settings (data type and the five button types) are kept as plain values and change nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "control.h"
#include "platform_export.h"

namespace platform {

class PLATFORM_API SpinEdit : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kSpinEdit;
  explicit SpinEdit(std::u16string name) : Control(kKind, std::move(name)) {}

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) { text_ = std::move(text); }
  double Value() const { return value_; }
  void SetValue(double value) { value_ = value; }

  // The user types `text`: the value follows when the whole text reads as a number.
  void Type(std::u16string text);
  // The user spins to `value`: the text shows it in its shortest decimal form.
  void SpinTo(double value);

  struct DesignSettings {
    std::int32_t datatype = 0;
    std::int32_t btntypeequl = 0;
    std::int32_t btntypezero = 0;
    std::int32_t btntypesign = 0;
    std::int32_t btntypecomp = 0;
    std::int32_t btntyperefe = 0;
  };
  const DesignSettings& Design() const { return design_; }
  void SetDesign(const DesignSettings& design) { design_ = design; }

 private:
  std::u16string text_;
  double value_ = 0;
  DesignSettings design_;
};

// The shortest decimal form that reads back as `value` ("5", "2.5", "-0.125", "100000"): never
// with an exponent, always with a decimal point whatever the locale; negative zero is "0".
PLATFORM_API std::u16string ShortestDecimal(double value);
// The number that the whole of `text` spells in decimal, with an optional sign, fraction and
// exponent; nothing for any other text (blanks included).
PLATFORM_API std::optional<double> ParseDecimal(std::u16string_view text);

}  // namespace platform
