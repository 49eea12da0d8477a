// One drawing entity as exchanged with the host: header, geometry, text attributes and the
// further slots whose meaning is the host's. Which fields are meaningful depends on `id`.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

struct EntityRecord {
  // Header.
  std::int32_t id = 0, flag = 0, layer = 0, segment = 0, color = 0, ltype = 0, width = 0, page = 0,
               ndata = 0, Group = 0, undo = 0, dimension = 0;
  // Geometry.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, z1 = 0, z2 = 0, takasa = 0, atumi = 0, r = 0, s = 0, e = 0;
  std::int32_t extL1 = 0, extL2 = 0, extL3 = 0, extL4 = 0, extL5 = 0, extL6 = 0, extL7 = 0,
               extL8 = 0, extL9 = 0, extL10 = 0, extL11 = 0, extL12 = 0, extL13 = 0, extL14 = 0,
               extL15 = 0;
  double extD1 = 0;
  std::int32_t extL16 = 0, extL17 = 0, extL18 = 0;
  // Text part.
  std::u16string text;
  double ts_takasa = 0, ts_haba = 0, ts_kankaku = 0, ts_katamuki = 0, ts_pitch = 0;
  std::int32_t ts_fonttype = 0, ts_rectflag = 0, ts_pitchflag = 0, ts_pointflag = 0,
               ts_scaleflag = 0, ts_tateflag = 0, ts_charset = 0, ts_family = 0, ts_italic = 0,
               ts_bold = 0, ts_underline = 0, ts_strikeout = 0, ts_unit = 0, ts_unitdisp = 0,
               ts_item = 0, ts_hi5 = 0, ts_textflag = 0, ts_dgsymbol = 0, ts_decsymbol = 0,
               ts_nodg = 0, ts_nodec = 0;
  std::u16string ts_Fontname;
  std::int32_t style = 0;
  std::int32_t extL19 = 0;
  double extD2 = 0, extD3 = 0, extD4 = 0, extD5 = 0, extD6 = 0, extD7 = 0;
  // Further slots.
  std::int32_t extL20 = 0;
  double extD8 = 0, extD9 = 0, extD10 = 0, extD11 = 0;
  std::int32_t extL21 = 0, extL22 = 0, extL23 = 0, extL24 = 0;
  double extD12 = 0, extD13 = 0, extD14 = 0, extD15 = 0, extD16 = 0;
  std::int32_t extL25 = 0, extL26 = 0;
  double xr = 0, yr = 0, xscale = 0, yscale = 0, zscale = 0, xrotate = 0, yrotate = 0, rotate = 0,
         extD17 = 0, extD18 = 0;
  std::int32_t extL27 = 0;
  std::u16string extS1;
  double extD19 = 0, extD20 = 0, extD21 = 0, extD22 = 0, extD23 = 0, extD24 = 0, extD25 = 0;
  std::int32_t extL28 = 0, extL29 = 0, extL30 = 0, extL31 = 0, extL32 = 0, extL33 = 0, extL34 = 0,
               extL35 = 0, extL36 = 0, extL37 = 0, extL38 = 0, extL39 = 0;

  bool operator==(const EntityRecord&) const = default;
};

}  // namespace qiv
