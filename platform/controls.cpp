#include "controls.h"

#include "runtime_error.h"

namespace platform {

void CheckBox::SetValue(std::int32_t value) {
  if (value < kUnchecked || value > kGrayed) throw RuntimeError(error::kInvalidPropertyValue);
  value_ = static_cast<std::int16_t>(value);
}

const std::u16string& ListControl::List(std::int32_t index) const {
  if (index < 0 || index >= ListCount()) throw RuntimeError(error::kInvalidPropertyIndex);
  return items_[static_cast<std::size_t>(index)];
}

void ListControl::AddItem(std::u16string item) {
  items_.push_back(std::move(item));
}

void ListControl::AddItem(std::u16string item, std::int32_t index) {
  if (index < 0 || index > ListCount()) throw RuntimeError(error::kInvalidArgument);
  items_.insert(items_.begin() + index, std::move(item));
  if (list_index_ >= index) ++list_index_;
}

void ListControl::RemoveItem(std::int32_t index) {
  if (index < 0 || index >= ListCount()) throw RuntimeError(error::kInvalidArgument);
  items_.erase(items_.begin() + index);
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
}

void ListControl::Clear() {
  items_.clear();
  list_index_ = -1;
}

void ListControl::SetListIndex(std::int32_t index) {
  if (index < -1 || index >= ListCount()) throw RuntimeError(error::kInvalidPropertyValue);
  list_index_ = index;
}

std::u16string ListBox::Text() const {
  return ListIndex() < 0 ? std::u16string() : List(ListIndex());
}

void ComboBox::SetListIndex(std::int32_t index) {
  ListControl::SetListIndex(index);
  if (index >= 0) SetText(List(index));
}

}  // namespace platform
