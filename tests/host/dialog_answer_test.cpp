// A script's dialog answers as the user's hand: "dialog ok" and "dialog cancel" click the OK and
// Cancel buttons even where Enter does not reach them (a multi-line text box's form), and fall
// back to Enter and Esc on a form without such buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls.h"
#include "dialog_answer.h"
#include "form.h"

namespace host {
namespace {

using Log = std::vector<std::string>;

// OK is not the default button, so Enter in Text1 starts a new line; no button answers Esc.
class TextDialog : public platform::Form {
 public:
  explicit TextDialog(Log& log) : Form(u"TextDialog"), log_(log) {}

 protected:
  void Design() override {
    Add<platform::TextBox>(u"Text1", {120, 3720, 2175, 615}).SetMultiLine(true);
    Add<platform::Button>(u"OK", {2400, 4080, 975, 315}).SetClickHandler([this] {
      log_.push_back("OK");
    });
    Add<platform::Button>(u"Cancel", {3480, 4080, 855, 315}).SetClickHandler([this] {
      log_.push_back("Cancel");
    });
  }

 private:
  Log& log_;
};

// One button answers both keys.
class CloseOnly : public platform::Form {
 public:
  explicit CloseOnly(Log& log) : Form(u"CloseOnly"), log_(log) {}

 protected:
  void Design() override {
    auto& close = Add<platform::Button>(u"HClose", {5820, 6720, 1215, 315});
    close.SetDefault(true);
    close.SetCancel(true);
    close.SetClickHandler([this] { log_.push_back("HClose"); });
  }

 private:
  Log& log_;
};

TEST(DialogAnswerTest, OkAndCancelClickTheirButtonsOrPressTheirKeys) {
  struct Case {
    const char* line;
    bool text_dialog;
    Log expected;
  };
  const Case cases[] = {
      {"dialog ok", true, {"OK"}},          {"dialog cancel", true, {"Cancel"}},
      {"dialog key enter", true, {}},       {"dialog ok", false, {"HClose"}},
      {"dialog cancel", false, {"HClose"}},
  };
  for (const auto& c : cases) {
    Log log;
    TextDialog text_dialog(log);
    CloseOnly close_only(log);
    platform::Form& form = c.text_dialog ? static_cast<platform::Form&>(text_dialog) : close_only;
    const ScriptStep step = ParseScript(c.line, "s.qivs").steps.at(0);
    platform::PerformUserAction(form, ToUserAction(step, form));
    EXPECT_EQ(log, c.expected) << c.line << (c.text_dialog ? " on TextDialog" : " on CloseOnly");
  }
}

}  // namespace
}  // namespace host
