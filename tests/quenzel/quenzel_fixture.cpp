#include "quenzel_fixture.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "code_page.h"
#include "text_measure.h"
#include "user_agent.h"

namespace quenzel::testing {

using testhost::EventCall;
using testhost::Value;

namespace {

// The distance from p to the segment of `line`.
double DistanceToLine(double x, double y, const HostLine& line) {
  const double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - line.x1) * dx + (y - line.y1) * dy) / length2 : 0;
  t = std::fmin(1, std::fmax(0, t));
  return std::hypot(x - (line.x1 + t * dx), y - (line.y1 + t * dy));
}

}  // namespace

void QuenzelTest::SetUp() {
  platform::ResetHeadlessPlatform();
  platform::UseFixedAdvanceFonts(20, {});
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  folder = std::filesystem::temp_directory_path() /
           (std::string("pipetrim_quenzel_") + info->test_suite_name() + "_" + info->name());
  plugin_folder = folder / "plugin";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(plugin_folder);

  auto owned = std::make_unique<QuenzelCommand>(module, platform::FromUtf8(plugin_folder.string()));
  command = owned.get();
  module.command = std::move(owned);
  control = std::make_unique<qiv::QivOptCmd200>(module, host.sink(), host.context());

  const std::u16string start_path = platform::FromUtf8((folder / "QIVCAD.EXE").string());
  host.Answer("QivGetQivVersion", {{"ver", Value(u"4,0,2,3")}});
  host.Answer("QivGetStartPath", {{"m_ProgramPath", start_path}});
  host.Answer("QivSetCommandDimension", {{"result", std::int32_t{1}}});
  host.Answer("QivGetActiveQivwinTitle", {{"DocTitle", Value(u"plan.dxf")}});
  host.On("QivSearchPrimitiveModePackage", [this](EventCall& call) {
    const double x = std::get<double>(call.Get("x")), y = std::get<double>(call.Get("y"));
    std::int32_t found = -1;
    for (const auto& line : lines)
      if (DistanceToLine(x, y, line) <= 400) found = line.no;
    call.Set("position", found);
  });
  host.On("QivGetSetData", [this](EventCall& call) {
    if (std::get<std::int32_t>(call.Get("getset")) != 0) return;
    const auto no = std::get<std::int32_t>(call.Get("no"));
    for (const auto& line : lines) {
      if (line.no != no) continue;
      call.Set("id", std::int32_t{2});  // a line
      call.Set("layer", line.layer);
      call.Set("color", std::int32_t{3});
      call.Set("ltype", std::int32_t{2});
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
  host.Answer("QivGetActiveAtr",
              {{"layer", std::int32_t{5}}, {"color", std::int32_t{4}}, {"ltype", std::int32_t{6}}});
  host.Answer("QivGetCurrentTextAtr", {{"ts_takasa", 250.0},
                                       {"ts_haba", 200.0},
                                       {"ts_katamuki", 15.0},
                                       {"ts_Fontname", Value(u"IPA")}});

  platform::SetUserAgent({[this](platform::Form&) -> std::optional<platform::UserAction> {
                            if (user.empty()) return std::nullopt;
                            auto action = user.front();
                            user.pop_front();
                            return action;
                          },
                          {}});
}

void QuenzelTest::TearDown() {
  control.reset();
  module.command.reset();
  platform::ResetHeadlessPlatform();
  std::filesystem::remove_all(folder);
}

void QuenzelTest::Pick(double x, double y) {
  std::int32_t m = 0, sw = 1, key = 0;
  double up = 0, d = 0;
  std::u16string str;
  control->QivGCINEnd(m, m, m, m, x, y, up, up, d, d, d, d, sw, m, m, key, str);
}

void QuenzelTest::Cancel() {
  std::int32_t m = 0, sw = 2, key = 0;
  double x = 0, d = 0;
  std::u16string str;
  control->QivGCINEnd(m, m, m, m, x, x, x, x, d, d, d, d, sw, m, m, key, str);
}

void QuenzelTest::StartPicking() {
  UserDoes(platform::action::Click{u"OK"});
  Init();
  ASSERT_TRUE(user.empty());
  ASSERT_EQ(LastPrompt(), u"文字トリム記入ポイントを指定してください");
}

std::vector<std::u16string> QuenzelTest::Entries(const platform::ListControl& list) {
  std::vector<std::u16string> entries;
  for (std::int32_t i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return entries;
}

std::u16string QuenzelTest::LastPrompt() const {
  return std::get<std::u16string>(host.Last("QivGCINStart").Sent("msg"));
}

int QuenzelTest::Shown(const std::u16string& form) const {
  int count = 0;
  for (const auto& event : platform::UserEvents())
    count += event.kind == platform::UserEvent::Kind::kFormShown && event.text == form ? 1 : 0;
  return count;
}

void QuenzelTest::WriteFile(const std::filesystem::path& path, const std::string& utf8_text) {
  std::ofstream(path, std::ios::binary) << platform::ToCodePage932(platform::FromUtf8(utf8_text));
}

std::string QuenzelTest::ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return platform::ToUtf8(platform::FromCodePage932(text.str()));
}

}  // namespace quenzel::testing
