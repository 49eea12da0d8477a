#include "skeleton_fixture.h"

#include <fstream>
#include <sstream>

namespace skeleton::testing {

using testhost::EventCall;
using testhost::Value;

void SkeletonTest::SetUp() {
  // Fresh state, also when a table-driven test starts over within one test.
  host = testhost::RecordingHost();
  module = qiv::ModuleState();
  user.clear();
  platform::ResetHeadlessPlatform();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  folder = std::filesystem::temp_directory_path() /
           (std::string("pipetrim_skeleton_") + info->test_suite_name() + "_" + info->name());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  start_path = platform::FromUtf8((folder / "QIVCAD.EXE").string());

  auto owned = std::make_unique<ProbeOutputCommand>(module, ElbowDeliverable(),
                                                    platform::FromUtf8(folder.string()));
  command = owned.get();
  module.command = std::move(owned);
  control = std::make_unique<qiv::QivOptCmd200>(module, host.sink(), host.context());

  host.On("QivGetQivVersion", [this](EventCall& call) { call.Set("ver", version); });
  host.On("QivGetStartPath", [this](EventCall& call) { call.Set("m_ProgramPath", start_path); });
  host.On("QivSetCommandDimension",
          [this](EventCall& call) { call.Set("result", dimension_answer); });
  host.On("QivGetActiveQivwinTitle", [this](EventCall& call) { call.Set("DocTitle", doc_title); });
  host.On("QivSearchPrimitiveModePackage", [this](EventCall& call) {
    const double x = std::get<double>(call.Get("x")), y = std::get<double>(call.Get("y"));
    std::int32_t found = -1;
    for (const auto& line : lines)
      if (line.x1 == x && line.y1 == y) found = line.no;
    call.Set("position", found);
  });
  host.On("QivGetSetData", [this](EventCall& call) {
    const auto no = std::get<std::int32_t>(call.Get("no"));
    for (const auto& line : lines) {
      if (line.no != no) continue;
      call.Set("id", std::int32_t{2});
      call.Set("layer", line.layer);
      call.Set("d01", line.x1);
      call.Set("d02", line.y1);
      call.Set("d03", line.x2);
      call.Set("d04", line.y2);
    }
  });
  host.On("QivAskLayerLock", [this](EventCall& call) {
    const auto layer = std::get<std::int32_t>(call.Get("no"));
    for (const auto& line : lines)
      if (line.layer == layer && line.locked) call.Set("result", std::int16_t{1});
  });
  host.Answer("QivGetActiveAtr", {{"layer", std::int32_t{5}}, {"color", std::int32_t{3}}});
  host.Answer("QivGetCurrentTextAtr", {{"ts_takasa", 250.0}, {"ts_Fontname", Value(u"IPA")}});

  platform::SetUserAgent({[this](platform::Form&) -> std::optional<platform::UserAction> {
                            if (user.empty()) return std::nullopt;
                            auto action = user.front();
                            user.pop_front();
                            return action;
                          },
                          {}});
}

void SkeletonTest::TearDown() {
  control.reset();
  module.command.reset();
  platform::ResetHeadlessPlatform();
  std::filesystem::remove_all(folder);
}

void SkeletonTest::GcinEnd(std::int32_t sw, double x, double y, std::int32_t key) {
  std::int32_t m = 0, s = sw, k = key;
  double up = 0, d = 0;
  std::u16string str;
  control->QivGCINEnd(m, m, m, m, x, y, up, up, d, d, d, d, s, m, m, k, str);
}

std::u16string SkeletonTest::LastPrompt() const {
  return std::get<std::u16string>(host.Last("QivGCINStart").Sent("msg"));
}

int SkeletonTest::Shown(const std::u16string& form) const {
  int count = 0;
  for (const auto& event : platform::UserEvents())
    count += event.kind == platform::UserEvent::Kind::kFormShown && event.text == form ? 1 : 0;
  return count;
}

void SkeletonTest::WriteSettings(const std::string& utf8_text) {
  std::ofstream(SettingsFile(), std::ios::binary)
      << platform::ToCodePage932(platform::FromUtf8(utf8_text));
}

std::string SkeletonTest::ReadSettings() const {
  std::ifstream in(SettingsFile(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return platform::ToUtf8(platform::FromCodePage932(text.str()));
}

}  // namespace skeleton::testing
