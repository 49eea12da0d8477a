// The toolkit's standard controls: label, check box, button, text box, list box and combo box.
//
// Each kind carries the data the dialogs need as plain properties. Setting them from code raises
// no event; the user's actions (user_action.h) do.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "control.h"
#include "platform_export.h"

namespace platform {

class PLATFORM_API Label : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kLabel;
  explicit Label(std::u16string name) : Control(kKind, std::move(name)) {}

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }

 private:
  std::u16string caption_;
};

class PLATFORM_API CheckBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kCheckBox;
  static constexpr std::int16_t kUnchecked = 0;
  static constexpr std::int16_t kChecked = 1;
  static constexpr std::int16_t kGrayed = 2;

  explicit CheckBox(std::u16string name) : Control(kKind, std::move(name)) {}

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }

  std::int16_t Value() const { return value_; }
  // Takes 0, 1 or 2; any other value fails with "Invalid property value" (380).
  void SetValue(std::int32_t value);

 private:
  std::u16string caption_;
  std::int16_t value_ = kUnchecked;
};

class PLATFORM_API Button : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kButton;
  explicit Button(std::u16string name) : Control(kKind, std::move(name)) {}

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption) { caption_ = std::move(caption); }

  // The default button answers the Enter key, the cancel button the Esc key. One button may be
  // both; when several claim a role, the first one added to the form takes it.
  bool IsDefault() const { return default_; }
  void SetDefault(bool is_default) { default_ = is_default; }
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool is_cancel) { cancel_ = is_cancel; }

 private:
  std::u16string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

enum class ScrollBars { kNone = 0, kHorizontal = 1, kVertical = 2, kBoth = 3 };

class PLATFORM_API TextBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kTextBox;
  explicit TextBox(std::u16string name) : Control(kKind, std::move(name)) {}

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) { text_ = std::move(text); }

  // Design-time settings: several lines, read-only (the user cannot type), scroll bars.
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool multi_line) { multi_line_ = multi_line; }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  ScrollBars Scroll() const { return scroll_bars_; }
  void SetScrollBars(ScrollBars scroll_bars) { scroll_bars_ = scroll_bars; }

 private:
  std::u16string text_;
  bool multi_line_ = false;
  bool read_only_ = false;
  ScrollBars scroll_bars_ = ScrollBars::kNone;
};

// The entries and the selection that list boxes and combo boxes share.
class PLATFORM_API ListControl : public Control {
 public:
  std::int32_t ListCount() const { return static_cast<std::int32_t>(items_.size()); }
  // The entry at `index`; "Invalid property array index" (381) outside 0 .. ListCount - 1.
  const std::u16string& List(std::int32_t index) const;
  // Adds an entry at the end, or before `index` (0 .. ListCount, else error 5).
  void AddItem(std::u16string item);
  void AddItem(std::u16string item, std::int32_t index);
  // Removes the entry at `index` (error 5 outside the list); the selection follows its entry.
  void RemoveItem(std::int32_t index);
  // Removes every entry; nothing is selected afterwards.
  void Clear();

  // The selected entry, -1 for none. Setting takes -1 .. ListCount - 1, else error 380.
  std::int32_t ListIndex() const { return list_index_; }
  virtual void SetListIndex(std::int32_t index);

 protected:
  using Control::Control;

 private:
  std::vector<std::u16string> items_;
  std::int32_t list_index_ = -1;
};

class PLATFORM_API ListBox : public ListControl {
 public:
  static constexpr ControlKind kKind = ControlKind::kListBox;
  explicit ListBox(std::u16string name) : ListControl(kKind, std::move(name)) {}

  // The selected entry's text, empty when nothing is selected.
  std::u16string Text() const;
};

// An editable text with a drop-down list; choosing an entry puts it into the text.
class PLATFORM_API ComboBox : public ListControl {
 public:
  static constexpr ControlKind kKind = ControlKind::kComboBox;
  explicit ComboBox(std::u16string name) : ListControl(kKind, std::move(name)) {}

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) { text_ = std::move(text); }

  void SetListIndex(std::int32_t index) override;

 private:
  std::u16string text_;
};

}  // namespace platform
