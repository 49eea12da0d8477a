// A DXF file kept whole: its bytes as read, with the places the host needs to change when it
// saves (the handle seed, the ends of the layer and line type tables and of the entities) and
// the file's span of every entity the host took into its model.
//
// Saving writes the same bytes back with only the session's changes applied: entities it
// deleted are left out, entities it changed are rewritten in place, new entities go at the end
// of the entities and new layers and line types at the end of their tables. Everything else
// (header, classes, tables, blocks, objects, unknown groups, the text of every number) stays
// as the file has it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dxf/dxf_encoding.h"

namespace host::dxf {

// A range of the file's bytes, [begin, end).
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// A symbol table of the file, as far as saving needs it.
struct Table {
  std::optional<std::size_t> end;   // where its ENDTAB record starts
  std::optional<Span> count_value;  // the TABLE record's entry count (group 70)
  std::int64_t count = 0;
  std::string handle;                           // the table's own handle: the owner of its entries
  std::map<std::u16string, std::string> names;  // entry name as decoded -> as written
};

struct Block {
  std::u16string name;
  double base[3] = {0, 0, 0};
  std::vector<Span> entities;  // each with the records it owns (VERTEX, ATTRIB, SEQEND)
};

class Document {
 public:
  std::string name;     // the file's name, for messages
  std::string content;  // the file's bytes
  std::string version;  // $ACADVER, e.g. "AC1015"; empty when the header does not say
  std::unique_ptr<TextCodec> codec;
  std::string line_end = "\n";
  bool padded_codes = false;  // group codes right-aligned in three columns ("  0")

  std::optional<Span> handseed_value;  // the value of $HANDSEED
  std::uint64_t next_handle = 1;       // above $HANDSEED and every handle in the file
  bool uses_handles = false;
  std::string model_space_owner;  // the handle of the *Model_Space block record
  std::string layer_plot_style;   // the plot style handle (group 390) of existing layers
  std::string text_style;         // the STANDARD text style's name as written, if any

  std::optional<std::size_t> entities_end;  // where the ENTITIES section's ENDSEC starts
  std::size_t eof_offset = 0;               // where the EOF record starts
  Table layers;
  Table linetypes;

  // The span of each entity of the host's model, by entity number - 1.
  std::vector<Span> model_entities;
  // Blocks by name in upper case, for drawing block references.
  std::map<std::u16string, Block> blocks;

  // R13 (AC1012) and later have subclass markers and owners.
  bool HasSubclasses() const { return !version.empty() && version >= "AC1012"; }
  // R2000 (AC1015) and later have line weights.
  bool HasLineWeights() const { return !version.empty() && version >= "AC1015"; }
};

}  // namespace host::dxf
