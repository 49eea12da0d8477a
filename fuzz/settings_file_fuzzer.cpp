// The settings file as the option dialogs read it: values into check boxes, spin edits (text and
// value), a text box and a combo box, in Quenzel's order, which holds every kind the commands
// keep. Any file loads (a value that does not fit ends the loading quietly); what a dialog then
// saves, a fresh dialog loads and saves again to the same file.
#include <iterator>

#include "code_page.h"
#include "controls.h"
#include "form.h"
#include "fuzz_input.h"
#include "option_dialog.h"
#include "settings_file.h"
#include "spin_edit.h"
#include "user_agent.h"

namespace {

class SettingsForm : public platform::Form {
 public:
  SettingsForm() : Form(u"SettingsForm") {}

  std::vector<skeleton::SettingItem> Items() {
    return {skeleton::CheckBoxSetting(*this, u"Check4"),
            skeleton::CheckBoxSetting(*this, u"Check5"),
            skeleton::SpinTextSetting(*this, u"QivSpinEdit1"),
            skeleton::SpinValueSetting(*this, u"QivSpinEdit1"),
            skeleton::CheckBoxSetting(*this, u"Check1"),
            skeleton::TextBoxSetting(*this, u"Text1"),
            skeleton::SpinTextSetting(*this, u"QivSpinEdit3"),
            skeleton::SpinValueSetting(*this, u"QivSpinEdit3"),
            skeleton::ComboTextSetting(*this, u"Combo1")};
  }

 protected:
  void Design() override {
    SetClientSize(3345, 1830);
    for (const char16_t* check : {u"Check1", u"Check4", u"Check5"})
      Add<platform::CheckBox>(check, {240, 720, 1215, 180});
    for (const char16_t* spin : {u"QivSpinEdit1", u"QivSpinEdit3"})
      Add<platform::SpinEdit>(spin, {240, 360, 975, 255}).SetText(u"5");
    Add<platform::TextBox>(u"Text1", {120, 3720, 2175, 615}).SetMultiLine(true);
    Add<platform::ComboBox>(u"Combo1", {2400, 2400, 1935, 300}).SetText(u"ＭＳ ゴシック");
  }
};

std::string SavedBy(SettingsForm& form, const std::string& name) {
  const std::filesystem::path path = fuzz::ScratchFolder() / name;
  skeleton::SaveSettings(platform::FromUtf8(path.string()), form.Items());
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::KeepConvertersLoaded();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::ClearUserEvents();
  const std::string path = fuzz::ScratchFile("Fuzz.ini", fuzz::Bytes(data, size));
  SettingsForm loaded;
  skeleton::LoadSettings(platform::FromUtf8(path), loaded.Items(), {});
  const std::string saved = SavedBy(loaded, "saved.ini");

  SettingsForm reloaded;
  bool after_values = false;
  skeleton::LoadSettings(platform::FromUtf8((fuzz::ScratchFolder() / "saved.ini").string()),
                         reloaded.Items(), [&after_values] { after_values = true; });
  if (!after_values) fuzz::Broken("a saved settings file loads whole");
  if (SavedBy(reloaded, "again.ini") != saved)
    fuzz::Broken("a saved settings file loads and saves to the same file");
  return 0;
}
