// Two small form classes as the commands' dialogs are built: a dialog with one control of each
// kind and a resizable help window shown from it, both writing what their handlers do to a log.
#pragma once

#include <string>
#include <vector>

#include "controls.h"
#include "form.h"
#include "spin_edit.h"

namespace testing_support {

using Log = std::vector<std::string>;

class SampleHelp : public platform::Form {
 public:
  explicit SampleHelp(Log& log) : Form(u"SampleHelp"), log_(log) {}

 protected:
  void Design() override {
    SetCaption(u"ﾍﾙﾌﾟ");
    SetStyle({platform::BorderStyle::kSizable, false, false, false, true});
    SetWidth(7095);
    SetHeight(7110);
    auto& close = Add<platform::Button>(u"HClose", {5820, 6720, 1215, 315});
    close.SetCaption(u"閉じる");
    close.SetDefault(true);
    close.SetCancel(true);
    close.SetClickHandler([this] { Unload(); });
  }
  void OnLoad() override { log_.push_back("help Load"); }
  void OnUnload() override { log_.push_back("help Unload"); }
  void OnResize() override {
    log_.push_back("help Resize " + std::to_string(static_cast<int>(ScaleWidth())));
  }

 private:
  Log& log_;
};

class SampleDialog : public platform::Form {
 public:
  explicit SampleDialog(Log& log) : Form(u"SampleDialog"), log_(log), help_(log) {}

  bool refuse_unload = false;

  platform::CheckBox& Check1() { return Get<platform::CheckBox>(u"Check1"); }
  platform::TextBox& Text1() { return Get<platform::TextBox>(u"Text1"); }
  platform::SpinEdit& Spin1() { return Get<platform::SpinEdit>(u"Spin1"); }
  platform::ListBox& List1() { return Get<platform::ListBox>(u"List1"); }
  platform::ComboBox& Combo1() { return Get<platform::ComboBox>(u"Combo1"); }
  SampleHelp& Help() { return help_; }

 protected:
  void Design() override {
    SetCaption(u"Sample");
    SetStyle({platform::BorderStyle::kFixedDialog, false, false, false, false});
    SetClientSize(3345, 1830);
    Add<platform::Label>(u"Label1", {240, 120, 1695, 255}).SetCaption(u"円弧のサイズ(半径)");
    auto& check = Add<platform::CheckBox>(u"Check1", {240, 720, 1215, 180});
    check.SetCaption(u"出力サイズ");
    check.SetClickHandler([this] { log_.push_back("Check1 Click"); });
    Add<platform::TextBox>(u"Text1", {120, 3720, 2175, 615}).SetMultiLine(true);
    Add<platform::TextBox>(u"Comment", {60, 60, 6915, 6555}).SetReadOnly(true);
    Add<platform::SpinEdit>(u"Spin1", {240, 360, 975, 255}).SetText(u"5");
    auto& list = Add<platform::ListBox>(u"List1", {120, 120, 2175, 3480});
    for (const auto* item : {u"a", u"b", u"c"}) list.AddItem(item);
    list.SetClickHandler(
        [this] { log_.push_back("List1 Click " + std::to_string(List1().ListIndex())); });
    auto& combo = Add<platform::ComboBox>(u"Combo1", {2400, 2400, 1935, 300});
    combo.SetText(u"x");
    combo.AddItem(u"p");
    combo.AddItem(u"q");
    combo.SetClickHandler([this] { log_.push_back("Combo1 Click"); });
    auto& ok = Add<platform::Button>(u"OK", {1920, 1440, 1335, 315});
    ok.SetDefault(true);
    ok.SetClickHandler([this] {
      log_.push_back("OK Click");
      Hide();
    });
    auto& cancel = Add<platform::Button>(u"Cancel", {1920, 1080, 1335, 315});
    cancel.SetCancel(true);
    cancel.SetClickHandler([this] {
      log_.push_back("Cancel Click");
      Hide();
    });
    Add<platform::Button>(u"Help", {1920, 720, 1335, 315}).SetClickHandler([this] {
      help_.ShowModal();
      log_.push_back("Help returned");
    });
    Add<platform::Button>(u"Off", {0, 0, 100, 100}).SetEnabled(false);
  }
  void OnLoad() override { log_.push_back("Load"); }
  void OnQueryUnload(bool& cancel) override {
    log_.push_back("QueryUnload");
    cancel = refuse_unload;
  }
  void OnUnload() override { log_.push_back("Unload"); }
  void OnResize() override { log_.push_back("Resize"); }

 private:
  Log& log_;
  SampleHelp help_;
};

}  // namespace testing_support
