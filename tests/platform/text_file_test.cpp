// Text files: lines end at CR LF or CR while a lone LF stays inside its line, the last line needs
// no line end, the bytes on disk are code page 932, failures carry the runtime's numbers, and a
// replacement that fails leaves the old file whole; a replacement writes through links and keeps
// the file's permissions.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "code_page.h"
#include "runtime_error.h"
#include "text_file.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::u16string>;

struct SplitCase {
  std::string id;
  std::u16string text;
  Lines lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << c.id;
}

class SplitTextLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLinesTest, EndsLinesAtCrLfOrCr) {
  EXPECT_EQ(platform::SplitTextLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitTextLinesTest,
    testing::Values(SplitCase{"empty", u"", {}}, SplitCase{"no_line_end", u"ヘルプ", {u"ヘルプ"}},
                    SplitCase{"crlf", u"a\r\nb\r\n", {u"a", u"b"}},
                    SplitCase{"last_line_without_end", u"a\r\nb", {u"a", u"b"}},
                    SplitCase{"cr_alone", u"a\rb\r", {u"a", u"b"}},
                    SplitCase{"lone_lf_stays", u"a\nb\r\nc\n", {u"a\nb", u"c\n"}},
                    SplitCase{"empty_lines", u"\r\n\r\nx", {u"", u"", u"x"}},
                    SplitCase{"cr_then_crlf", u"a\r\r\nb", {u"a", u"", u"b"}}),
    [](const auto& test) { return test.param.id; });

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder =
        fs::temp_directory_path() / ("pipetrim_text_file_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::u16string PathOf(const std::string& name) const {
    return platform::FromUtf8((folder / name).string());
  }

  std::string BytesOf(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::int32_t ErrorOf(const std::function<void()>& action) const {
    try {
      action();
    } catch (const platform::RuntimeError& error) {
      return error.number();
    }
    return 0;
  }

  fs::path folder;
};

TEST_F(TextFileTest, WritesCodePage932AndReadsItBackAsLines) {
  const std::u16string path = PathOf("Quenzel説明.TXT");
  platform::WriteTextFile(path, u"トリム\r\nｵﾌﾟｼｮﾝ\nG\r\n");
  EXPECT_EQ(BytesOf("Quenzel説明.TXT"), platform::ToCodePage932(u"トリム\r\nｵﾌﾟｼｮﾝ\nG\r\n"));
  EXPECT_EQ(platform::ReadTextLines(path), (Lines{u"トリム", u"ｵﾌﾟｼｮﾝ\nG"}));
  platform::WriteTextFile(path, u"x");
  EXPECT_EQ(platform::ReadTextFile(path), u"x") << "writing empties the file first";
}

TEST_F(TextFileTest, BackslashesSeparateFolders) {
  fs::create_directories(folder / "sub");
  const std::u16string path = platform::FromUtf8(folder.string()) + u"\\sub\\TextList.TXT";
  platform::WriteTextFile(path, u"G  ガス\r\n");
  EXPECT_TRUE(fs::exists(folder / "sub" / "TextList.TXT"));
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(platform::ReadTextLines(path), (Lines{u"G  ガス"}));
}

TEST_F(TextFileTest, FileExistsOnlyForFiles) {
  platform::WriteTextFile(PathOf("Sarvik.ini"), u"\"0\"\r\n");
  EXPECT_TRUE(platform::FileExists(PathOf("Sarvik.ini")));
  EXPECT_FALSE(platform::FileExists(PathOf("Morvane.ini")));
  EXPECT_FALSE(platform::FileExists(platform::FromUtf8(folder.string())));
}

TEST_F(TextFileTest, FailuresCarryTheRuntimesNumbers) {
  EXPECT_EQ(ErrorOf([&] { platform::ReadTextFile(PathOf("missing.TXT")); }),
            platform::error::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { platform::ReadTextFile(PathOf("no/such/folder.TXT")); }),
            platform::error::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { platform::WriteTextFile(PathOf("no/x.ini"), u"x"); }),
            platform::error::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { platform::ReplaceTextFile(PathOf("no/x.ini"), u"x"); }),
            platform::error::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { platform::ReadTextFile(platform::FromUtf8(folder.string())); }),
            platform::error::kPathFileAccess);
  EXPECT_EQ(ErrorOf([&] { platform::WriteTextFile(platform::FromUtf8(folder.string()), u"x"); }),
            platform::error::kPathFileAccess);
}

TEST_F(TextFileTest, ReplacingSwapsTheWholeContentAndLeavesNothingBeside) {
  const std::u16string path = PathOf("Quenzel.ini");
  platform::ReplaceTextFile(path, u"\"old\"\r\n");
  platform::ReplaceTextFile(path, u"\"G\r\n\"\r\n");
  EXPECT_EQ(platform::ReadTextFile(path), u"\"G\r\n\"\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// The file size limit makes the write fail half way, as a full disk would.
TEST_F(TextFileTest, AFailedReplacementLeavesTheOldFileWhole) {
  const std::u16string path = PathOf("Sarvik.ini");
  const std::u16string old_content = u"\"1\"\r\n\"0\"\r\n\"5\"\r\n\"5\"\r\n\"0\"\r\n";
  platform::ReplaceTextFile(path, old_content);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::int32_t replace_error =
      ErrorOf([&] { platform::ReplaceTextFile(path, std::u16string(100, u'x')); });
  const std::int32_t write_error =
      ErrorOf([&] { platform::WriteTextFile(PathOf("plain.ini"), std::u16string(100, u'x')); });
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, saved_handler);

  EXPECT_EQ(replace_error, platform::error::kDiskFull);
  EXPECT_EQ(write_error, platform::error::kDiskFull);
  EXPECT_EQ(platform::ReadTextFile(path), old_content);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
      << "the old file and the plain one; no new file left beside";
}

// A settings file kept elsewhere and linked in: the replacement goes to the file the links name,
// keeps its permissions, and the links stay links.
TEST_F(TextFileTest, ReplacingWritesThroughLinksAndKeepsPermissions) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // link name, what it points to
    fs::perms perms;
  };
  const Case cases[] = {
      {"plain file", {}, fs::perms::owner_read | fs::perms::owner_write},
      {"absolute link",
       {{"Sarvik.ini", "ABSOLUTE"}},
       fs::perms::owner_read | fs::perms::owner_write},
      {"relative link",
       {{"Sarvik.ini", "store/real.ini"}},
       fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
      {"chain of links",
       {{"Sarvik.ini", "hop.ini"}, {"hop.ini", "store/real.ini"}},
       fs::perms::owner_all},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder);
    fs::create_directories(folder / "store");
    const fs::path real = c.links.empty() ? folder / "Sarvik.ini" : folder / "store" / "real.ini";
    std::ofstream(real) << "\"old\"\r\n";
    fs::permissions(real, c.perms);
    for (const auto& [link, to] : c.links)
      fs::create_symlink(to == std::string("ABSOLUTE") ? real : fs::path(to), folder / link);

    platform::ReplaceTextFile(PathOf("Sarvik.ini"), u"\"new\"\r\n");

    EXPECT_EQ(platform::ReadTextFile(PathOf("Sarvik.ini")), u"\"new\"\r\n");
    EXPECT_EQ(fs::status(real).permissions(), c.perms);
    for (const auto& [link, to] : c.links) EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "store"), fs::directory_iterator()),
              c.links.empty() ? 0 : 1);
  }
}

// A link to something that is no plain file (here a named pipe, as a device would be) is refused
// rather than replaced by a plain file.
TEST_F(TextFileTest, ReplacingRefusesFoldersAndSpecialFiles) {
  fs::create_directories(folder / "Sarvik.ini");
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  fs::create_symlink("pipe", folder / "Morvane.ini");
  EXPECT_EQ(ErrorOf([&] { platform::ReplaceTextFile(PathOf("Sarvik.ini"), u"x"); }),
            platform::error::kPathFileAccess);
  EXPECT_EQ(ErrorOf([&] { platform::ReplaceTextFile(PathOf("Morvane.ini"), u"x"); }),
            platform::error::kPathFileAccess);
  EXPECT_TRUE(fs::is_symlink(folder / "Morvane.ini"));
  EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

}  // namespace
