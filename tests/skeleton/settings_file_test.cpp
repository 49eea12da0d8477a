// The settings file. Invariants: what SaveSettings writes, LoadSettings reads back unchanged,
// line breaks and double quotes included; loading stops at the first value that does not convert,
// keeping the ones before; the file is read again each time the dialog loads.
#include "skeleton_fixture.h"

#include "message_box.h"
#include "settings_file.h"

namespace skeleton::testing {
namespace {

TEST(SettingsFormat, ValuesRoundTrip) {
  const std::vector<std::u16string> values{
      u"0", u"", u"G\r\n", u"say \"hi\"", u"a,b", u"ＭＳ Ｐ明朝", u"two\r\nlines\r\n\"quoted\""};
  const auto text = FormatSettings(values);
  EXPECT_EQ(text.substr(0, 10), u"\"0\"\r\n\"\"\r\n\"");
  EXPECT_EQ(ParseSettings(text, values.size()), values);
}

TEST(SettingsFormat, ReadsWhatOthersWrite) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> values;
  };
  const Case cases[] = {
      {u"\"1\"\r\n\"0\"\r\n\"5\"", {u"1", u"0", u"5", u"", u""}},
      {u"1,0\r\n  5.5  \r\n\"x\"", {u"1", u"0", u"5.5", u"x", u""}},
      {u"\"a\"\r\"b\"\n\"c\"\r\n", {u"a", u"b", u"c", u"", u""}},
      {u"", {u"", u"", u"", u"", u""}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSettings(c.text, 5), c.values);
}

class SettingsOnDisk : public SkeletonTest {
 protected:
  platform::CheckBox& Check(const char16_t* name) {
    return command->dialog().Get<platform::CheckBox>(name);
  }
  platform::SpinEdit& Spin() { return command->dialog().Get<platform::SpinEdit>(u"QivSpinEdit1"); }
  // Loads the dialog (as the command's start does) and answers its show with Cancel.
  void LoadThroughStart() {
    UserClicks(u"Cancel");
    Init();
  }
};

TEST_F(SettingsOnDisk, ThreeLinesStopAtTheFourth) {
  module.OptCmd = control.get();
  Check(u"Check1").SetValue(1);  // the dialog is loaded, with no file yet
  WriteSettings("\"1\"\r\n\"1\"\r\n\"7.5\"\r\n");
  command->LoadSettings();
  EXPECT_EQ(Check(u"Check4").Value(), 1);
  EXPECT_EQ(Check(u"Check5").Value(), 1);
  EXPECT_EQ(Spin().Text(), u"7.5");
  EXPECT_EQ(Spin().Value(), 5);            // line 4 is empty: loading stops there
  EXPECT_EQ(Check(u"Check1").Value(), 1);  // line 5 is never reached
  EXPECT_TRUE(MessageBoxes().empty());
  module.OptCmd = nullptr;
}

TEST_F(SettingsOnDisk, ExtraLinesAreIgnoredAndBadValuesStop) {
  struct Case {
    std::string file;
    std::int16_t check4, check1;
    std::u16string spin_text;
    double spin_value;
  };
  const Case cases[] = {
      {"\"1\"\r\n\"0\"\r\n\"12\"\r\n\"12\"\r\n\"1\"\r\n\"G\"\r\n\"250\"\r\n\"250\"\r\n\"200\"\r\n"
       "\"200\"\r\n\"\"\r\n\"0\"\r\n\"ＭＳ 明朝\"\r\n",
       1, 1, u"12", 12},
      {"\"1\"\r\n\"0\"\r\n\"abc\"\r\n\"abc\"\r\n\"1\"\r\n", 1, 0, u"abc", 5},
      {"\"3\"\r\n\"0\"\r\n\"9\"\r\n\"9\"\r\n\"1\"\r\n", 0, 0, u"5", 5},
  };
  for (const auto& c : cases) {
    WriteSettings(c.file);
    command->dialog().Unload();
    module.OptCmd = control.get();
    EXPECT_EQ(Check(u"Check4").Value(), c.check4);
    EXPECT_EQ(Check(u"Check1").Value(), c.check1);
    EXPECT_EQ(Spin().Text(), c.spin_text);
    EXPECT_EQ(Spin().Value(), c.spin_value);
  }
  module.OptCmd = nullptr;
}

TEST_F(SettingsOnDisk, KeyThenCancelWritesTheSameTwice) {
  UserClicks(u"OK");
  Init();
  std::string at_key;
  platform::SetUserAgent({[&](platform::Form&) -> std::optional<platform::UserAction> {
                            if (!at_key.empty()) return std::nullopt;
                            at_key = ReadSettings();
                            return platform::action::Click{u"Cancel"};
                          },
                          {}});
  Key(27);
  EXPECT_EQ(at_key, "\"0\"\r\n\"0\"\r\n\"5\"\r\n\"5\"\r\n\"0\"\r\n");
  EXPECT_EQ(ReadSettings(), at_key);
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

TEST_F(SettingsOnDisk, TextWithLineBreaksAndQuotesSurvives) {
  module.OptCmd = control.get();
  Spin().SetText(u"2.5 \"mm\"\r\nnext");
  Spin().SetValue(2.5);
  command->DetermineBasePath();
  command->SaveSettings();
  command->dialog().Unload();
  EXPECT_EQ(Spin().Text(), u"2.5 \"mm\"\r\nnext");
  EXPECT_EQ(Spin().Value(), 2.5);
  module.OptCmd = nullptr;
}

TEST_F(SettingsOnDisk, EmptyStartPathUsesTheCurrentFolder) {
  start_path = u"";
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  LoadThroughStart();
  std::filesystem::current_path(cwd);
  EXPECT_EQ(command->BasePath, u"");
  EXPECT_TRUE(std::filesystem::exists(folder / "Sarvik.ini"));
}

TEST_F(SettingsOnDisk, DialogReadsTheFileAgainWhenItLoads) {
  LoadThroughStart();  // the command ended; its dialog is unloaded
  WriteSettings("\"0\"\r\n\"1\"\r\n\"8\"\r\n\"8\"\r\n\"0\"\r\n");
  UserClicks(u"Cancel");
  std::u16string seen;
  host.On("QivSetLong", [this, &seen](testhost::EventCall&) {
    if (command->dialog().IsLoaded()) seen = Spin().Text();
  });
  control = std::make_unique<qiv::QivOptCmd200>(module, host.sink(), host.context());
  Init();
  EXPECT_EQ(seen, u"8");
}

TEST_F(SettingsOnDisk, DeviceUnavailableBeepsAndTellsTheUser) {
  bool after = false;
  const std::vector<SettingItem> items{
      {[] { return std::u16string(); },
       [](const std::u16string&) { throw platform::RuntimeError(68); }}};
  WriteSettings("\"1\"\r\n");
  LoadSettings(platform::FromUtf8(SettingsFile().string()), items, [&] { after = true; });
  EXPECT_FALSE(after);
  EXPECT_EQ(platform::BeepCount(), 1);
  EXPECT_EQ(MessageBoxes(), std::vector<std::u16string>{u"ドライブの準備ができていません．"});
}

}  // namespace
}  // namespace skeleton::testing
