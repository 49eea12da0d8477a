// Drawings in and out: every drawn kind with its layer, lock and attributes reads back exactly
// from DXF and from the JSON dump; a bad file is refused with its name and line; writing replaces
// a file in one step and fails naming the file.
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
  // outside ASCII, with numbers that only read back exactly at full precision. Every layer has
  // a line type of its own, as a DXF layer must.
  static void FillSample(Drawing& drawing) {
    drawing.EnsureLayer(0).ltype = drawing.LineTypeNo("CONTINUOUS");
    Layer& pipe = drawing.AddLayer(u"PIPE");
    pipe.ltype = drawing.LineTypeNo("CONTINUOUS");
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

  // The drawing file is refused with a message naming it, followed by `expected`.
  static void ExpectRefused(const char* what, const std::string& path,
                            const std::string& expected) {
    Drawing drawing;
    try {
      ReadDrawing(path, drawing);
      ADD_FAILURE() << what << ": accepted";
    } catch (const DrawingFileError& error) {
      EXPECT_NE(std::string(error.what()).find(path + expected), std::string::npos)
          << what << ": " << error.what();
    }
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
  for (const auto& c : cases) ExpectRefused(c.what, Write("bad.dxf", c.content), c.expected);
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
  for (const auto& c : cases) ExpectRefused(c.what, Write("bad.json", c.content), c.expected);
}

// Numbers the host's 32-bit fields cannot hold, and an entity number that would make the reader
// fill a vast gap, are refused with the file and the entity; so are the inputs fuzzing found.
TEST_F(DrawingFilesTest, JsonNumbersOutOfRangeAreRefused) {
  struct Case {
    const char* what;
    std::string content;  // a file's text, or "@NAME" for a file of the test data
    std::string expected;
  };
  const std::string record = R"({"entities": [{"kind": "record", "l": [1, 2, )";
  const std::string rest = R"(, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
      22, 23, 24]}]})";
  const Case cases[] = {
      {"64-bit layer", R"({"entities": [{"kind": "point", "x": 0, "y": 0, "layer": 4294967297}]})",
       ":1: entity 1: \"layer\" must be a whole number from -2147483648 to 2147483647, not "
       "4294967297"},
      {"negative colour", R"({"entities": [{"kind": "point", "x": 0, "y": 0,
        "color": -2147483649}]})",
       ":1: entity 1: \"color\" must be a whole number from"},
      {"layer table number",
       R"({"entities": [], "layers": [{"no": 9223372036854775807, "name": "A"}]})",
       ":1: layers: \"no\" must be a whole number from"},
      {"record slot too large", record + "1e10" + rest,
       ":1: entity 1: \"l\" value 3 must be a whole number from -2147483648 to 2147483647, not "
       "10000000000.0"},
      {"record slot with a fraction", record + "2.5" + rest, ":1: entity 1: \"l\" value 3 must"},
      {"record slot beyond 64 bits", record + "33333333333333333333320" + rest,
       ":1: entity 1: \"l\" value 3 must"},
      {"undo steps", R"({"entities": [], "undo_steps": 1099511627776})",
       ":1: \"undo_steps\" must be a whole number from"},
      {"number beyond the file", R"({"entities": [{"kind": "point", "x": 0, "y": 0, "no": 500}]})",
       ":1: entity 1: \"no\" must be at most 61 in a file of 60 bytes, not 500"},
      {"number beyond a double", "{\"entities\": [1e999]}", ": number overflow parsing '1e999'"},
      {"fuzz: huge entity number", "@min-huge-entity-number-oom.json",
       ":1: entity 1: \"no\" must be at most 60 in a file of 59 bytes, not 2000000000"},
      {"fuzz: 64-bit layer", "@min-layer-int64-truncated.json",
       ":1: entity 1: \"layer\" must be a whole number from"},
      {"fuzz: 1e999", "@min-number-overflow-out_of_range.json",
       ": number overflow parsing '1e999'"},
      {"fuzz: float in a record slot", "@min-record-l-float-ub.json",
       ":1: entity 1: \"l\" value 1 must be a whole number from"},
      {"fuzz: record slot beyond 64 bits", "@crash-28e527eb2a71eda6bba9010f9c1c5b78cc77d51b.json",
       ":5: entity 4: \"l\" value 20 must be a whole number from"},
      {"fuzz: record slot of 61 digits", "@crash-b47a4735cb7fde6e9d306d55572d71621c6cdd64.json",
       ":5: entity 4: \"l\" value 9 must be a whole number from"},
  };
  for (const auto& c : cases) {
    const std::string path = c.content.front() == '@'
                                 ? std::string(HOST_TEST_DATA "/json/") + c.content.substr(1)
                                 : Write("bad.json", c.content);
    ExpectRefused(c.what, path, c.expected);
  }
}

// What stored files rely on still reads: numbers skipped for undone entities, whole numbers at
// the ends of the range, and record slots written as numbers without a fraction.
TEST_F(DrawingFilesTest, JsonNumbersWithinRangeStillRead) {
  const std::string path = Write("ok.json", R"({"entities": [
    {"kind": "point", "x": 0, "y": 0, "no": 3, "color": -2147483648, "width": 2147483647},
    {"kind": "record", "no": 40, "l": [1.0, -2147483648.0, 2147483647, 4, 5, 6, 7, 8, 9, 10, 11,
      12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24]}
  ], "undo_steps": 2})");
  Drawing drawing;
  ReadJson(path, drawing);
  EXPECT_EQ(drawing.entities().size(), 40u);
  ASSERT_NE(drawing.Find(3), nullptr);
  EXPECT_EQ(drawing.Find(3)->header.color, -2147483648);
  EXPECT_EQ(drawing.Find(3)->header.width, 2147483647);
  ASSERT_NE(drawing.Find(40), nullptr);
  EXPECT_EQ(drawing.Find(40)->l[1], -2147483648);
  EXPECT_EQ(drawing.undo_steps(), 2);
}

}  // namespace
}  // namespace host
