#include "settings_file.h"

#include "message_box.h"
#include "runtime_error.h"
#include "text_file.h"

namespace skeleton {

std::u16string FormatSettings(const std::vector<std::u16string>& values) {
  std::u16string text;
  for (const auto& value : values) {
    text += u'"';
    for (const char16_t c : value) {
      if (c == u'"') text += u'"';
      text += c;
    }
    text += u"\"\r\n";
  }
  return text;
}

namespace {

bool IsLineEnd(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// Moves past the separator that ends a value: a comma, or a line end (CR LF, CR or LF).
void SkipSeparator(std::u16string_view text, std::size_t& pos) {
  while (pos < text.size() && text[pos] != u',' && !IsLineEnd(text[pos])) ++pos;
  if (pos >= text.size()) return;
  if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') ++pos;
  ++pos;
}

}  // namespace

std::vector<std::u16string> ParseSettings(std::u16string_view text, std::size_t count) {
  std::vector<std::u16string> values;
  std::size_t pos = 0;
  while (values.size() < count && pos < text.size()) {
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
    std::u16string value;
    if (pos < text.size() && text[pos] == u'"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == u'"') {
          if (pos + 1 < text.size() && text[pos + 1] == u'"') {
            value += u'"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        value += text[pos++];
      }
    } else {
      while (pos < text.size() && text[pos] != u',' && !IsLineEnd(text[pos])) value += text[pos++];
      while (!value.empty() && (value.back() == u' ' || value.back() == u'\t')) value.pop_back();
    }
    SkipSeparator(text, pos);
    values.push_back(std::move(value));
  }
  values.resize(count);
  return values;
}

void SaveSettings(const std::u16string& path, const std::vector<SettingItem>& items) {
  std::vector<std::u16string> values;
  values.reserve(items.size());
  for (const auto& item : items) values.push_back(item.save());
  platform::ReplaceTextFile(path, FormatSettings(values));
}

void LoadSettings(const std::u16string& path, const std::vector<SettingItem>& items,
                  const std::function<void()>& after_values) {
  try {
    if (platform::FileExists(path)) {
      const auto values = ParseSettings(platform::ReadTextFile(path), items.size());
      for (std::size_t i = 0; i < items.size(); ++i) items[i].load(values[i]);
    }
    if (after_values) after_values();
  } catch (const platform::RuntimeError& failure) {
    if (failure.number() == platform::error::kDeviceUnavailable) {
      platform::Beep();
      platform::MessageBox(u"ドライブの準備ができていません．");
    }
  }
}

}  // namespace skeleton
