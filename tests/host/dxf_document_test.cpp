// DXF files kept whole: real drawings by other software come back byte for byte, a session's
// changes touch only the entities it deleted, changed or added, and the model reads what the
// file means (world coordinates, code pages, layer states).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "drawing_files.h"
#include "text_utf.h"

namespace host {
namespace {

namespace fs = std::filesystem;

const fs::path kData = HOST_TEST_DATA;

std::string Bytes(const fs::path& path) {
  return ReadWholeFile(path.string());
}

using Groups = std::vector<std::pair<int, std::string>>;

// The groups of a DXF text: codes as numbers, values as written.
Groups GroupsOf(const std::string& text) {
  Groups groups;
  std::size_t at = 0;
  const auto line = [&] {
    const std::size_t end = text.find('\n', at);
    std::string value = text.substr(at, end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (!value.empty() && value.back() == '\r') value.pop_back();
    return value;
  };
  while (at < text.size()) {
    const int code = std::stoi(line());
    groups.emplace_back(code, line());
  }
  return groups;
}

// The groups split into records, each from its 0 group.
std::vector<Groups> RecordsOf(const Groups& groups) {
  std::vector<Groups> records;
  for (const auto& group : groups) {
    if (group.first == 0 || records.empty()) records.emplace_back();
    records.back().push_back(group);
  }
  return records;
}

// The value that follows `variable` in the header.
std::string HeaderValue(const Groups& groups, const std::string& variable) {
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].first == 9 && groups[i].second == variable) return groups[i + 1].second;
  }
  return {};
}

const Entity* OnlyEntity(const Drawing& drawing, std::int32_t id) {
  const Entity* found = nullptr;
  for (const auto& entity : drawing.entities()) {
    if (entity.header.id == id) found = &entity;
  }
  return found;
}

TEST(DxfDocument, RealDrawingsComeBackByteForByte) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kData / "dxf-samples")) {
    if (entry.path().extension() == ".dxf") files.push_back(entry.path());
  }
  for (const auto& entry : fs::recursive_directory_iterator(PIPETRIM_EXAMPLES_DIR)) {
    if (entry.path().extension() == ".dxf") files.push_back(entry.path());
  }
  files.push_back(kData / "japanese-sjis-r2000.dxf");
  files.push_back(kData / "japanese-utf8-r2018.dxf");
  ASSERT_GE(files.size(), 20u);
  for (const auto& file : files) {
    if (file.filename() == "ezdxf_bin_dxf_r2000.dxf") continue;
    Drawing drawing;
    const std::string original = Bytes(file);
    ReadDxf(file.string(), drawing);
    EXPECT_TRUE(DxfText(drawing) == original) << file.filename();
  }
}

TEST(DxfDocument, BinaryDxfIsRefusedAndSaid) {
  Drawing drawing;
  const std::string path = (kData / "dxf-samples" / "ezdxf_bin_dxf_r2000.dxf").string();
  try {
    ReadDxf(path, drawing);
    FAIL() << "accepted";
  } catch (const DrawingFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              path + ": binary DXF is not supported; save the drawing as ASCII DXF");
  }
}

// A trim on a real floor plan: one line goes, two new ones come. Everything else stays, group
// for group; the new entities get fresh handles above the old seed, which is raised.
TEST(DxfDocument, ATrimChangesOnlyTheTrimmedEntityAndTheNewOnes) {
  const fs::path file = kData / "dxf-samples" / "sky_floorplan.dxf";
  const std::string original = Bytes(file);
  Drawing drawing;
  const LoadReport report = ReadDxf(file.string(), drawing);
  EXPECT_EQ(report.kinds.at("LINE"), 624);
  EXPECT_EQ(report.kinds.at("HATCH"), 13);
  EXPECT_TRUE(report.not_drawn.empty());

  SearchQuery query;
  const double x = -648.77292602758;
  query.x = x;
  query.y = 100;
  query.kinds = 1;
  query.tolerance = 1;
  const std::int32_t picked = drawing.Search(query);
  ASSERT_GT(picked, 0);
  const Entity line = *drawing.Find(picked);
  drawing.OpenUndoStep();
  drawing.SetDeleteDate(picked, 1);
  for (const auto& [y1, y2] : {std::pair{-12.6, 80.0}, std::pair{120.0, 347.3}}) {
    Entity piece = MakeLine(x, y1, x, y2);
    piece.header = line.header;
    drawing.Add(piece);
  }
  const std::string saved = DxfText(drawing);

  const Groups before = GroupsOf(original);
  const Groups after = GroupsOf(saved);
  const std::uint64_t seed = std::stoull(HeaderValue(before, "$HANDSEED"), nullptr, 16);
  // Walk both record by record: equal records pair up; the trimmed LINE is missing from the
  // output, two new LINEs stand before the end of the entities, and the header differs only in
  // its raised $HANDSEED.
  const std::vector<Groups> old_records = RecordsOf(before);
  const std::vector<Groups> new_records = RecordsOf(after);
  std::size_t i = 0;
  std::size_t j = 0;
  int removed_lines = 0;
  std::vector<Groups> added;
  while (i < old_records.size() && j < new_records.size()) {
    const Groups& old_record = old_records[i];
    const Groups& new_record = new_records[j];
    if (old_record == new_record) {
      ++i;
      ++j;
    } else if (HeaderValue(old_record, "$HANDSEED") != "") {
      ASSERT_EQ(old_record.size(), new_record.size());
      for (std::size_t k = 0; k < old_record.size(); ++k) {
        if (old_record[k] != new_record[k]) {
          EXPECT_EQ(old_record[k - 1].second, "$HANDSEED");
          EXPECT_GT(std::stoull(new_record[k].second, nullptr, 16), seed + 1);
        }
      }
      ++i;
      ++j;
    } else if (i + 1 < old_records.size() && old_records[i + 1] == new_record &&
               old_record[0].second == "LINE") {
      ++removed_lines;
      ++i;
    } else if (new_record[0].second == "LINE") {
      added.push_back(new_record);
      ++j;
    } else {
      FAIL() << "records differ at input record " << i;
    }
  }
  EXPECT_EQ(i, old_records.size());
  EXPECT_EQ(j, new_records.size());
  EXPECT_EQ(removed_lines, 1);
  ASSERT_EQ(added.size(), 2u);
  std::string model_space_owner;
  for (std::size_t k = 0; k + 6 < before.size(); ++k) {
    if (before[k].second == "BLOCK_RECORD" && before[k + 1].first == 5) {
      for (std::size_t m = k + 1; m < before.size() && before[m].first != 0; ++m) {
        if (before[m].first == 2 && before[m].second == "*Model_Space")
          model_space_owner = before[k + 1].second;
      }
    }
  }
  for (const Groups& entity : added) {
    EXPECT_EQ(entity[1].first, 5);
    EXPECT_GE(std::stoull(entity[1].second, nullptr, 16), seed);
    EXPECT_EQ(entity[2], (std::pair{330, model_space_owner}));
  }

  // The saved file reads back with the same model, less the trimmed line.
  Drawing reread;
  ReadDxfContent(saved, "saved.dxf", reread);
  EXPECT_EQ(reread.entities().size(), drawing.entities().size() - 1);
}

TEST(DxfDocument, JapaneseNamesAndTextsKeepTheirBytesAndNewTextsUseTheFilesEncoding) {
  struct Case {
    const char* file;
    std::string new_text_bytes;  // "給水 é" as the file writes it
  };
  const Case cases[] = {
      {"japanese-sjis-r2000.dxf", "\x8B\x8B\x90\x85 \\U+00E9"},
      {"japanese-utf8-r2018.dxf", "給水 é"},
  };
  for (const auto& c : cases) {
    Drawing drawing;
    ReadDxf((kData / c.file).string(), drawing);
    const Layer* layer = drawing.FindLayerByName(u"配管－ガス");
    ASSERT_NE(layer, nullptr) << c.file;
    EXPECT_TRUE(layer->locked);
    EXPECT_TRUE(layer->off);
    EXPECT_EQ(layer->color, 3);
    const Entity* text = OnlyEntity(drawing, kind::kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->s[slot::kTextString], u"ガス管 ５０Ａ") << c.file;
    EXPECT_EQ(text->header.layer, layer->no);

    drawing.OpenUndoStep();
    Entity added = MakeText(u"給水 é", 0, 0, 250, 0, 1);
    added.header.layer = layer->no;
    drawing.Add(added);
    const std::string saved = DxfText(drawing);
    EXPECT_NE(saved.find("\r\n  1\r\n" + c.new_text_bytes + "\r\n"), std::string::npos) << c.file;
    Drawing reread;
    ReadDxfContent(saved, c.file, reread);
    EXPECT_EQ(reread.entities().back().s[slot::kTextString], u"給水 é") << c.file;
    EXPECT_EQ(reread.entities().back().header.layer, reread.FindLayerByName(u"配管－ガス")->no);
  }
}

// A minimal R12 file with the given entities.
std::string R12(const std::string& header, const std::string& entities) {
  return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n" + header +
         "0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n0\nLAYER\n2\n0\n70\n0\n62\n"
         "7\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
         entities + "0\nENDSEC\n0\nEOF\n";
}

TEST(DxfDocument, TheModelReadsWorldCoordinatesAndTheFilesCodePage) {
  // Mirrored: extrusion (0, 0, -1) turns x round and runs arcs the other way.
  Drawing drawing;
  ReadDxfContent(R12("9\n$DWGCODEPAGE\n3\nANSI_1252\n",
                     "0\nARC\n8\ntrac\xE9\n10\n10\n20\n5\n40\n2\n50\n0\n51\n90\n230\n-1\n"
                     "0\nCIRCLE\n8\n0\n10\n10\n20\n5\n40\n2\n230\n-1\n"
                     "0\nTEXT\n8\n0\n10\n1\n20\n2\n40\n3\n1\n%%c50 \\U+00C5\n50\n30\n230\n-1\n"),
                 "mirrored.dxf", drawing);
  const auto& entities = drawing.entities();
  ASSERT_EQ(entities.size(), 3u);
  const auto& arc = entities[0].d;
  EXPECT_DOUBLE_EQ(arc[slot::kX], -10);
  EXPECT_DOUBLE_EQ(arc[slot::kY], 5);
  EXPECT_NEAR(arc[slot::kStart], 90, 1e-9);
  EXPECT_NEAR(arc[slot::kEnd], 180, 1e-9);
  EXPECT_DOUBLE_EQ(entities[1].d[slot::kX], -10);
  EXPECT_DOUBLE_EQ(entities[2].d[slot::kX], -1);
  EXPECT_NEAR(entities[2].d[slot::kTextAngle], 150, 1e-9);
  EXPECT_EQ(entities[2].s[slot::kTextString], u"\u230050 \u00C5");
  EXPECT_NE(drawing.FindLayerByName(u"tracé"), nullptr);
}

TEST(DxfDocument, MTextTakesItsOwnPlaceNotItsEmbeddedObjectsAndAllItsChunks) {
  const std::string chunk(250, 'a');
  Drawing drawing;
  ReadDxfContent(R12("", "0\nMTEXT\n8\n0\n10\n100\n20\n200\n40\n2.5\n71\n5\n3\n" + chunk +
                             "\n1\n{\\fArial|b1;end}\\Pnext\n50\n0\n101\nEmbedded Object\n10\n1\n"
                             "20\n0\n11\n0\n21\n1\n40\n70\n"),
                 "mtext.dxf", drawing);
  const Entity& text = drawing.entities().at(0);
  EXPECT_DOUBLE_EQ(text.d[slot::kX], 100);
  EXPECT_DOUBLE_EQ(text.d[slot::kY], 200);
  EXPECT_DOUBLE_EQ(text.d[slot::kTextHeight], 2.5);
  EXPECT_DOUBLE_EQ(text.d[slot::kTextAngle], 0);
  EXPECT_EQ(text.l[slot::kTextGenten], 5);
  EXPECT_EQ(text.s[slot::kTextString], FromUtf8(chunk + "end\r\nnext"));
}

TEST(DxfDocument, LayerStatesAndByLayerAttributesAreResolvedForTheModelOnly) {
  const std::string tables =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n70\n1\n0\nLTYPE\n2\nDASHED\n70\n0\n3\n\n72\n65\n"
      "73\n2\n40\n0.75\n49\n0.5\n49\n-0.25\n0\nENDTAB\n0\nTABLE\n2\nLAYER\n70\n3\n"
      "0\nLAYER\n2\n  LEADING\n70\n1\n62\n-2147483648\n6\nDASHED\n"
      "0\nLAYER\n2\nFROZEN\n70\n1\n62\n5\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n";
  const std::string file =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n" + tables +
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n  LEADING\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n"
      "0\nEOF\n";
  Drawing drawing;
  ReadDxfContent(file, "layers.dxf", drawing);
  const Layer* leading = drawing.FindLayerByName(u"  LEADING");
  ASSERT_NE(leading, nullptr);
  EXPECT_TRUE(leading->off);
  EXPECT_TRUE(leading->frozen);
  EXPECT_EQ(leading->color, 7);  // a colour beyond the table draws as 7
  EXPECT_EQ(drawing.linetypes().at(static_cast<std::size_t>(leading->ltype)).pattern,
            (std::vector<double>{0.5, -0.25}));
  const Entity& line = drawing.entities().at(0);
  EXPECT_EQ(line.header.layer, leading->no);
  EXPECT_EQ(line.header.ltype, leading->ltype);
  // Saved unchanged, the file keeps the colour "by layer" and the names as written.
  EXPECT_EQ(DxfText(drawing), file);
}

TEST(DxfDocument, NewEntitiesOnANewLayerAddTheLayerAndItsLineTypeToTheTables) {
  Drawing drawing;
  ReadDxf((kData / "japanese-sjis-r2000.dxf").string(), drawing);
  drawing.OpenUndoStep();
  Layer& layer = drawing.EnsureLayer(7);
  layer.ltype = drawing.LineTypeNo("DASHED");
  Entity line = MakeLine(0, 0, 5, 5);
  line.header.layer = 7;
  line.header.ltype = 0;
  line.header.color = 256;
  drawing.Add(line);
  const std::string saved = DxfText(drawing);
  const Groups groups = GroupsOf(saved);
  int layers = 0;
  int ltypes = 0;
  for (std::size_t k = 0; k + 1 < groups.size(); ++k) {
    if (groups[k] == std::pair{0, std::string("LAYER")}) ++layers;
    if (groups[k] == std::pair{0, std::string("LTYPE")}) ++ltypes;
  }
  EXPECT_EQ(layers, 3);
  EXPECT_EQ(ltypes, 2);
  Drawing reread;
  ReadDxfContent(saved, "saved.dxf", reread);
  const Layer* added = reread.FindLayerByName(u"7");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(reread.linetypes().at(static_cast<std::size_t>(added->ltype)).pattern,
            (std::vector<double>{12.7, -6.35}));
  EXPECT_EQ(reread.entities().back().header.layer, added->no);
}

// Inputs a fuzzer found harmful to earlier readers: each is read or refused with a message,
// and what is read saves back unchanged.
TEST(DxfDocument, FuzzFindingsAreReadOrRefusedCleanly) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kData / "dxf-findings")) {
    const std::string content = Bytes(entry.path());
    Drawing drawing;
    try {
      ReadDxfContent(content, entry.path().filename().string(), drawing);
      EXPECT_TRUE(DxfText(drawing) == content) << entry.path().filename();
    } catch (const DrawingFileError& error) {
      EXPECT_NE(std::string(error.what()).find(entry.path().filename().string()),
                std::string::npos);
    }
    ++files;
  }
  EXPECT_EQ(files, 11);
}

// New entities join the entities of a file whose ENTITIES section runs into EOF unclosed.
TEST(DxfDocument, NewEntitiesJoinEntitiesThatRunIntoTheEnd) {
  const std::string file =
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n0\nEOF\n";
  Drawing drawing;
  ReadDxfContent(file, "open.dxf", drawing);
  drawing.OpenUndoStep();
  drawing.Add(MakePoint(5, 5));
  const std::string saved = DxfText(drawing);
  EXPECT_EQ(saved.rfind("0\nSECTION"), 0u);
  EXPECT_NE(saved.find("0\nPOINT\n"), std::string::npos);
  Drawing reread;
  ReadDxfContent(saved, "saved.dxf", reread);
  EXPECT_EQ(reread.entities().size(), 2u);
}

// A line type dash near the largest double is written in full and reads back exactly.
TEST(DxfDocument, HugeNumbersFromAJsonDrawingAreWrittenInFull) {
  Drawing drawing;
  ReadJson((kData / "json" / "min-linetype-dash-1e300-dxf-write-overflow.json").string(), drawing);
  const std::string text = DxfText(drawing);
  Drawing reread;
  ReadDxfContent(text, "saved.dxf", reread);
  EXPECT_EQ(reread.linetypes().back().pattern, drawing.linetypes().back().pattern);
}

}  // namespace
}  // namespace host
