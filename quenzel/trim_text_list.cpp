#include "trim_text_list.h"

namespace quenzel {

std::u16string TextListPath(const std::u16string& plugin_folder) {
  std::u16string path = plugin_folder;
  if (path.empty() || (path.back() != u'/' && path.back() != u'\\')) path += u'/';
  return path + u"TextList.TXT";
}

std::u16string FirstWord(std::u16string_view entry) {
  const auto start = entry.find_first_not_of(u' ');
  if (start == std::u16string_view::npos) return {};
  entry.remove_prefix(start);
  return std::u16string(entry.substr(0, entry.find_first_of(u" \u3000")));
}

}  // namespace quenzel
