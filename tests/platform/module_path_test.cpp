// The folder of the loaded file that holds an address: where a plug-in finds its help and list
// files.
#include <gtest/gtest.h>

#include <filesystem>

#include "code_page.h"
#include "module_path.h"

namespace {

const int kInThisProgram = 0;

TEST(ModulePathTest, TheFolderIsThatOfTheFileHoldingTheAddress) {
  const auto program = std::filesystem::canonical("/proc/self/exe");
  EXPECT_EQ(platform::ModulePathOf(&kInThisProgram), program.string());
  EXPECT_EQ(platform::ModuleFolderOf(&kInThisProgram),
            platform::FromUtf8(program.parent_path().string()));
}

}  // namespace
