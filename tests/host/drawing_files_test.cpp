// Drawings in and out: every drawn kind with its layer, lock and attributes reads back exactly
// from DXF and from the JSON dump; a bad file is refused with its name and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "drawing_files.h"

namespace host {
namespace {

namespace fs = std::filesystem;

class DrawingFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("host-files-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  // A drawing of every drawn kind, on layers with a lock, a line type, a weight and a name
  // outside ASCII, with numbers that only read back exactly at full precision.
  static void FillSample(Drawing& drawing) {
    Layer& pipe = drawing.AddLayer(u"PIPE");
    pipe.locked = true;
    pipe.color = 4;
    Layer& japanese = drawing.AddLayer(u"配管 2");
    japanese.color = 3;
    japanese.ltype = drawing.LineTypeNo("DASHED");
    japanese.width = 50;
    const auto on = [](Entity entity, const Layer& layer, std::int32_t color) {
      entity.header.layer = layer.no;
      entity.header.color = color;
      entity.header.ltype = layer.ltype;
      entity.header.width = layer.width;
      return entity;
    };
    drawing.AddLoaded(on(MakePoint(0.1, -1e-7), pipe, 1));
    drawing.AddLoaded(on(MakeLine(123456.789, 0.3, -2.5e6, 1.0 / 3.0), pipe, 4));
    drawing.AddLoaded(on(MakeCircle(5, 6, 0.7), japanese, 3));
    drawing.AddLoaded(on(MakeArc(-1, 2, 1000, 350, 370.5), japanese, 200));
    drawing.AddLoaded(on(MakeText(u"トリム\r\nG \\U+0041", 10, 20, 250, 33.3, 5), pipe, 2));
    drawing.AddLoaded(on(MakeText(u"left", 0, 0, 2.5, -90, 1), drawing.EnsureLayer(0), 7));
    drawing.FinishLoading();
  }

  fs::path dir;
};

TEST_F(DrawingFilesTest, DxfKeepsEveryDrawnKindWithItsLayerAndLock) {
  Drawing original;
  FillSample(original);
  const std::string path = (dir / "sample.dxf").string();
  WriteDxf(path, original);

  Drawing read;
  const LoadReport report = ReadDxf(path, read);
  EXPECT_EQ(report.entities, 6);
  EXPECT_EQ(report.skipped, 0);
  EXPECT_EQ(DumpJson(read), DumpJson(original));
  EXPECT_TRUE(read.FindLayerByName(u"PIPE")->locked);
  EXPECT_FALSE(read.FindLayerByName(u"配管 2")->locked);
}

TEST_F(DrawingFilesTest, JsonDumpReadsBackWithDeletionsAndRecords) {
  Drawing original;
  FillSample(original);
  original.OpenUndoStep();
  original.SetDeleteDate(2, 1);
  Entity record;
  record.header.id = 40;
  record.l[3] = 9;
  record.s[0] = u"x";
  original.Add(record);
  original.Add(MakeLine(0, 0, 1, 1));
  original.OpenUndoStep();
  original.Undo();  // nothing in it; the numbering keeps going
  original.SetCreateDate(8, 1);
  const std::string path = (dir / "sample.json").string();
  WriteJson(path, original);

  Drawing read;
  ReadJson(path, read);
  EXPECT_EQ(DumpJson(read), DumpJson(original));
  EXPECT_FALSE(read.Find(2)->live());
}

TEST_F(DrawingFilesTest, BadDxfFilesAreRefusedWithFileAndLine) {
  const std::string head = "0\nSECTION\n2\nENTITIES\n";
  struct Case {
    const char* what;
    std::string content;
    std::string expected;  // a part of the message after the file name
  };
  const Case cases[] = {
      {"not a group code", "0\nSECTION\nTWO\nENTITIES\n", ":3: a group code was expected"},
      {"not a number", head + "0\nLINE\n8\n0\n10\n1,5\n", ":10: group code 10 needs a number"},
      {"no value", head + "0\nLINE\n8\n", ":7: group code 8 has no value"},
      {"no end", head + "0\nLINE\n8\n0\n10\n1\n", ":10: the file ends without EOF"},
      {"not finite", head + "0\nLINE\n10\nnan\n0\nENDSEC\n0\nEOF\n",
       ":8: group code 10 needs a number"},
      {"empty", "\n", ":1: the file is empty"},
  };
  for (const auto& c : cases) {
    const std::string path = Write("bad.dxf", c.content);
    Drawing drawing;
    try {
      ReadDxf(path, drawing);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const DrawingFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path + c.expected), std::string::npos)
          << c.what << ": " << error.what();
    }
  }
}

TEST_F(DrawingFilesTest, BadJsonDrawingsAreRefusedWithFileAndLine) {
  struct Case {
    const char* what;
    std::string content;
    std::string expected;
  };
  const Case cases[] = {
      {"syntax", "{\"entities\": [\n  {\"kind\": \"line\",,}\n]}", ":2: syntax error"},
      {"missing field",
       "{\"entities\": [\n  {\"kind\": \"point\", \"x\": 1, \"y\": 2},\n  {\"kind\": \"line\", "
       "\"x1\": 1}\n]}",
       ":3: entity 2: \"y1\" is missing"},
      {"unknown kind", "{\"entities\": [\n\n  {\"kind\": \"spline\"}]}",
       ":3: entity 1: unknown kind"},
      {"wrong type", "{\"entities\": [{\"kind\": \"circle\", \"x\": \"1\", \"y\": 0, \"r\": 1}]}",
       ":1: entity 1: \"x\" must be a number"},
      {"no entities", "{\"lines\": []}", ":1: a drawing needs an \"entities\" array"},
  };
  for (const auto& c : cases) {
    const std::string path = Write("bad.json", c.content);
    Drawing drawing;
    try {
      ReadJson(path, drawing);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const DrawingFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path + c.expected), std::string::npos)
          << c.what << ": " << error.what();
    }
  }
}

}  // namespace
}  // namespace host
