#include "help_dialog.h"

#include <cmath>

#include "form_placement.h"
#include "runtime_error.h"
#include "text_file.h"

namespace support {

std::u16string HelpFilePath(const std::u16string& plugin_folder, const std::u16string& name) {
  std::u16string path = plugin_folder;
  if (path.empty() || (path.back() != u'/' && path.back() != u'\\')) path += u'/';
  return path + name + u"説明.TXT";
}

std::u16string HelpText(const std::u16string& path) {
  try {
    std::u16string text;
    for (const auto& line : platform::ReadTextLines(path)) text += line + u"\r\n";
    return text;
  } catch (const platform::RuntimeError&) {
    return u"ヘルプファイル [" + path + u"] が見つかりません。";
  }
}

HelpDlg::HelpDlg(std::u16string caption, std::u16string help_path)
    : platform::Form(u"HelpDlg"), caption_(std::move(caption)), help_path_(std::move(help_path)) {}

void HelpDlg::Design() {
  SetCaption(caption_);
  SetStyle({platform::BorderStyle::kSizable, /*control_box=*/false, /*min_button=*/false,
            /*max_button=*/false, /*show_in_taskbar=*/true});
  SetWidth(7095);
  SetHeight(7110);

  auto& comment = Add<platform::TextBox>(u"Comment", {60, 60, 6915, 6555});
  comment.SetMultiLine(true);
  comment.SetScrollBars(platform::ScrollBars::kBoth);
  comment.SetReadOnly(true);
  comment.SetFont({u"ＭＳ Ｐゴシック", 9.75, platform::kShiftJisCharset});

  auto& close = Add<platform::Button>(u"HClose", {5820, 6720, 1215, 315});
  close.SetCaption(u"閉じる");
  close.SetDefault(true);
  close.SetCancel(true);
  close.SetClickHandler([this] { Unload(); });
}

void HelpDlg::OnLoad() {
  double x = 0, y = 0;
  PlaceFormAtCursor(*this, x, y, 0);
  Move(x, y);
  Get<platform::TextBox>(u"Comment").SetText(HelpText(help_path_));
}

void HelpDlg::OnResize() {
  auto& close = Get<platform::Button>(u"HClose");
  auto& comment = Get<platform::TextBox>(u"Comment");
  close.SetLeft(ScaleWidth() - close.Width() - 80);
  close.SetTop(ScaleHeight() - close.Height() - 80);
  comment.SetLeft(ScaleLeft() + 80);
  comment.SetTop(ScaleTop() + 80);
  const double width = std::nearbyint(ScaleWidth() - 160);
  if (width > 0) comment.SetWidth(width);
  const double height = std::nearbyint(ScaleHeight() - close.Height() - 240);
  if (height > 0) comment.SetHeight(height);
}

}  // namespace support
