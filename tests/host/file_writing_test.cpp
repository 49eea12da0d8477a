// Files the host writes: each is replaced in one step through a new file that is checked before it
// is renamed over the old one. A write that fails (here the file size limit makes it fail half
// way, as a full disk would) names the file and leaves the old one whole with nothing beside it;
// a replaced file keeps its permissions, and a linked file is written through the link.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "drawing_files.h"
#include "picture.h"
#include "plugin_registry.h"

namespace host {
namespace {

namespace fs = std::filesystem;

// Lowers the file size limit while it lives.
class FullDisk {
 public:
  FullDisk() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  void (*handler_)(int);
  rlimit saved_{};
};

class FileWritingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("host-writing-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    drawing.AddLoaded(MakeLine(0, 0, 1000, 500));
    drawing.AddLoaded(MakeCircle(500, 250, 100));
    drawing.FinishLoading();
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::ptrdiff_t FilesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  }

  struct Writer {
    const char* name;
    std::function<void(const std::string&)> write;
  };
  std::vector<Writer> Writers() const {
    return {{"dump.json", [this](const std::string& path) { WriteJson(path, drawing); }},
            {"journal.jsonl",
             [](const std::string& path) { WriteFileAtomically(path, std::string(100, 'j')); }},
            {"picture.svg",
             [this](const std::string& path) { WritePicture(path, drawing, PictureOptions{}); }},
            {"picture.png",
             [this](const std::string& path) { WritePicture(path, drawing, PictureOptions{}); }}};
  }

  fs::path dir;
  Drawing drawing;
};

TEST_F(FileWritingTest, AFailedWriteNamesTheFileAndKeepsTheOld) {
  for (const auto& writer : Writers()) {
    SCOPED_TRACE(writer.name);
    const fs::path path = dir / writer.name;
    std::ofstream(path) << "old";
    std::string message;
    {
      FullDisk full;
      try {
        writer.write(path.string());
      } catch (const std::runtime_error& error) {
        message = error.what();
      }
    }
    EXPECT_NE(message.find(path.string() + ": cannot be written"), std::string::npos) << message;
    EXPECT_EQ(Slurp(path), "old");
    EXPECT_EQ(FilesIn(dir), 1);
    fs::remove(path);
  }
}

TEST_F(FileWritingTest, AReplacedFileKeepsItsPermissionsAndLinks) {
  fs::create_directories(dir / "store");
  for (const auto& writer : Writers()) {
    SCOPED_TRACE(writer.name);
    const fs::path real = dir / "store" / writer.name;
    const fs::path link = dir / writer.name;
    std::ofstream(real) << "old";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::path("store") / writer.name, link);
    writer.write(link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(Slurp(real), "old");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  }
  EXPECT_EQ(FilesIn(dir / "store"), 4);
}

// The registry's manifest is written by the plug-in: a failed registration keeps the earlier one.
TEST_F(FileWritingTest, AFailedRegistrationKeepsTheEarlierManifest) {
  const std::string registry = (dir / "registry").string();
  RegisterPlugin(PROBE_PATH, registry);
  ASSERT_EQ(FilesIn(registry), 1);
  const fs::path manifest = fs::directory_iterator(registry)->path();
  const std::string before = Slurp(manifest);
  std::string message;
  {
    FullDisk full;
    try {
      RegisterPlugin(PROBE_PATH, registry);
    } catch (const std::runtime_error& error) {
      message = error.what();
    }
  }
  EXPECT_NE(message.find("error 61"), std::string::npos) << message;
  EXPECT_NE(message.find(manifest.string()), std::string::npos) << message;
  EXPECT_EQ(Slurp(manifest), before);
  EXPECT_EQ(FilesIn(registry), 1);
}

}  // namespace
}  // namespace host
