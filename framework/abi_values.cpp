#include "abi_values.h"

#include <algorithm>

namespace qiv {

namespace {

thread_local StrRef* bound = nullptr;

}  // namespace

StrRef::StrRef(std::u16string& text) : text_(&text), next_(bound) {
  if (next_ != nullptr) next_->previous_ = this;
  bound = this;
  Refresh();
}

StrRef::~StrRef() {
  if (previous_ != nullptr) previous_->next_ = next_;
  if (next_ != nullptr) next_->previous_ = previous_;
  if (bound == this) bound = next_;
}

void StrRef::RefreshAll() {
  for (StrRef* ref = bound; ref != nullptr; ref = ref->next_) ref->Refresh();
}

void StrRef::Refresh() {
  str_.data = reinterpret_cast<const std::uint16_t*>(text_->data());
  str_.length = static_cast<std::int32_t>(text_->size());
  str_.assign = &StrRef::Assign;
  str_.owner = this;
}

void StrRef::Assign(QivStr* self, const std::uint16_t* data, std::int32_t length) {
  auto* ref = static_cast<StrRef*>(self->owner);
  ref->text_->assign(reinterpret_cast<const char16_t*>(data), static_cast<std::size_t>(length));
  // Another StrRef may be bound to the same string.
  RefreshAll();
}

std::u16string ReadStr(const QivStr& str) {
  return std::u16string(reinterpret_cast<const char16_t*>(str.data),
                        static_cast<std::size_t>(str.length));
}

void WriteStr(QivStr& str, std::u16string_view value) {
  str.assign(&str, reinterpret_cast<const std::uint16_t*>(value.data()),
             static_cast<std::int32_t>(value.size()));
}

std::u16string ErrorText(const QivError& error) {
  return std::u16string(reinterpret_cast<const char16_t*>(error.text),
                        static_cast<std::size_t>(error.length));
}

void FillError(QivError* error, std::int32_t number, std::u16string_view text) {
  if (error == nullptr) return;
  error->number = number;
  const auto length = std::min<std::size_t>(text.size(), QIV_ERROR_TEXT_MAX);
  std::copy_n(text.data(), length, reinterpret_cast<char16_t*>(error->text));
  error->length = static_cast<std::int32_t>(length);
}

}  // namespace qiv
