// The kinds of entity the host's model holds (LINE, ARC, CIRCLE, POINT, TEXT, MTEXT), read
// from their records into the host's drawn kinds in world coordinates. Attributes are left to
// the caller.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dxf/dxf_encoding.h"
#include "dxf/dxf_record.h"
#include "entity.h"

namespace host::dxf {

bool IsModelKind(std::string_view type);

// The record as a drawn kind; nothing for any other kind. Throws DrawingFileError for a value
// that is not a number.
std::optional<Entity> ModelEntity(const Record& record, const TextCodec& codec);

// The plain text of an MTEXT string: paragraphs (\P) as line ends, formatting codes and
// grouping braces removed, stacked fractions as a/b.
std::u16string PlainMText(std::u16string_view text);

}  // namespace host::dxf
