// The settings file. Invariants: what SaveSettings writes, LoadSettings reads back unchanged,
// line breaks and double quotes included; loading stops at the first value that does not convert,
// keeping the ones before; the file is read again each time the dialog loads; numbers are written
// without exponents and read the same in any locale.
#include "skeleton_fixture.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <filesystem>

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

TEST_F(SettingsOnDisk, NumbersAreWrittenWithoutExponents) {
  struct Case {
    double value;
    const char* written;
  };
  const Case cases[] = {{2.5, "2.5"}, {100000, "100000"}, {2000000, "2000000"}, {-0.0, "0"}};
  module.OptCmd = control.get();
  command->DetermineBasePath();
  for (const auto& c : cases) {
    Spin().SetValue(c.value);
    command->SaveSettings();
    const auto values = ParseSettings(platform::FromUtf8(ReadSettings()), 5);
    EXPECT_EQ(values[3], platform::FromUtf8(c.written));
    command->dialog().Unload();
    EXPECT_EQ(Spin().Value(), c.value);
  }
  module.OptCmd = nullptr;
}

// A locale whose decimal separator is a comma: an installed one, or one made with localedef in
// `folder` (which needs no privileges); null when neither can be had.
locale_t DecimalCommaLocale(const std::filesystem::path& folder) {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (const locale_t installed = newlocale(LC_NUMERIC_MASK, name, nullptr)) return installed;
  }
  const auto made = folder / "locales";
  std::filesystem::create_directories(made);
  const std::string command =
      "localedef -i de_DE -f UTF-8 " + (made / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
  if (std::system(command.c_str()) == -1) return nullptr;
  setenv("LOCPATH", made.c_str(), 1);
  const locale_t generated = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", nullptr);
  unsetenv("LOCPATH");
  return generated;
}

TEST_F(SettingsOnDisk, NumbersReadBackInADecimalCommaLocale) {
  const locale_t comma = DecimalCommaLocale(folder);
  if (comma == nullptr) GTEST_SKIP() << "no decimal-comma locale on this system";
  ASSERT_STREQ(nl_langinfo_l(RADIXCHAR, comma), ",");
  module.OptCmd = control.get();
  command->DetermineBasePath();
  const locale_t before = uselocale(comma);
  Spin().SetText(u"2.5");
  Spin().SetValue(2.5);
  Check(u"Check1").SetValue(1);
  command->SaveSettings();
  command->dialog().Unload();
  const double value = Spin().Value();
  const std::int16_t check1 = Check(u"Check1").Value();
  uselocale(before);
  freelocale(comma);
  EXPECT_EQ(ReadSettings(), "\"0\"\r\n\"0\"\r\n\"2.5\"\r\n\"2.5\"\r\n\"1\"\r\n");
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(check1, 1) << "loading went on past the number";
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
