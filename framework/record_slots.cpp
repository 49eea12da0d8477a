#include "record_slots.h"

#include <unordered_map>

namespace qiv {
namespace {

using R = EntityRecord;

const std::unordered_map<std::int32_t, SlotRow>& Rows() {
  static const std::unordered_map<std::int32_t, SlotRow> rows{
      {1, {{&R::x1, &R::y1, &R::takasa, &R::atumi, &R::rotate}, {&R::extL9}, {}}},
      {2, {{&R::x1, &R::y1, &R::x2, &R::y2, &R::takasa, &R::atumi}, {}, {}}},
      {3,
       {{&R::x1, &R::y1, &R::takasa, &R::atumi, &R::r, &R::s, &R::e},
        {&R::extL1, &R::extL4, &R::extL5, &R::extL2, &R::extL7},
        {}}},
      {4, {{&R::x1, &R::y1, &R::takasa, &R::atumi, &R::r, &R::s, &R::e}, {}, {}}},
      {5,
       {{&R::x1, &R::y1, &R::takasa, &R::ts_haba, &R::ts_takasa, &R::ts_kankaku, &R::ts_pitch,
         &R::extD3, &R::extD4, &R::extD5, &R::extD6, &R::extD7, &R::ts_katamuki, &R::extD2},
        {&R::ts_fonttype, &R::ts_rectflag, &R::ts_pitchflag, &R::ts_pointflag, &R::ts_scaleflag,
         &R::ts_tateflag, &R::style, &R::extL19, &R::ts_unit, &R::ts_unitdisp, &R::ts_item,
         &R::ts_hi5, &R::ts_textflag, &R::ts_italic, &R::ts_bold, &R::ts_underline,
         &R::ts_strikeout, &R::ts_nodec},
        {&R::ts_Fontname, &R::text}}},
      {20,
       {{&R::x1, &R::y1, &R::takasa, &R::ts_haba, &R::ts_takasa, &R::ts_kankaku, &R::ts_pitch,
         &R::extD3, &R::extD4, &R::extD5, &R::extD6, &R::extD7, &R::ts_katamuki, &R::extD2},
        {&R::ts_fonttype, &R::ts_rectflag, &R::ts_pitchflag, &R::ts_pointflag, &R::ts_scaleflag,
         &R::ts_tateflag, &R::style, &R::extL19, &R::ts_unit, &R::ts_unitdisp, &R::ts_item,
         &R::ts_hi5, &R::ts_textflag, &R::ts_italic, &R::ts_bold, &R::ts_underline,
         &R::ts_strikeout, &R::ts_nodec},
        {&R::ts_Fontname, &R::text}}},
      {69,
       {{&R::x1, &R::y1, &R::takasa, &R::ts_haba, &R::ts_takasa, &R::ts_kankaku, &R::ts_pitch,
         &R::extD3, &R::extD4, &R::extD5, &R::extD6, &R::extD7, &R::ts_katamuki, &R::extD2},
        {&R::ts_fonttype, &R::ts_rectflag, &R::ts_pitchflag, &R::ts_pointflag, &R::ts_scaleflag,
         &R::ts_tateflag, &R::style, &R::extL19, &R::ts_unit, &R::ts_unitdisp, &R::ts_item,
         &R::ts_hi5, &R::ts_textflag, &R::ts_italic, &R::ts_bold, &R::ts_underline,
         &R::ts_strikeout, &R::ts_nodec},
        {&R::ts_Fontname, &R::text}}},
      {6,
       {{&R::x1, &R::y1, &R::z1, &R::xscale, &R::yscale, &R::rotate, &R::xrotate, &R::yrotate,
         &R::zscale},
        {&R::extL6, &R::extL7, &R::extL18},
        {&R::text}}},
      {7,
       {{&R::x1, &R::y1, &R::xr, &R::yr, &R::takasa, &R::atumi, &R::rotate, &R::s, &R::e},
        {&R::extL1, &R::extL4, &R::extL5, &R::extL2, &R::extL7},
        {}}},
      {8,
       {{&R::x1, &R::y1, &R::xr, &R::yr, &R::takasa, &R::atumi, &R::rotate, &R::s, &R::e}, {}, {}}},
      {10,
       {{&R::takasa, &R::atumi},
        {&R::extL6, &R::extL7, &R::extL1, &R::extL17, &R::extL18, &R::extL5, &R::extL2},
        {}}},
      {11, {{}, {&R::extL20, &R::extL1, &R::extL17, &R::extL18, &R::extL5, &R::extL2}, {}}},
      {18, {{}, {&R::extL6, &R::extL7, &R::extL1, &R::extL17, &R::extL18, &R::extL5}, {}}},
      {19, {{&R::x1, &R::y1, &R::x2, &R::y2, &R::z1, &R::z2}, {}, {}}},
      {22, {{}, {&R::extL20}, {}}},
      {23,
       {{&R::x1, &R::y1, &R::z1, &R::xscale, &R::yscale, &R::zscale, &R::xrotate, &R::yrotate,
         &R::rotate},
        {&R::extL6, &R::extL7, &R::extL10, &R::extL18, &R::extL28, &R::extL29, &R::extL30,
         &R::extL31, &R::extL32, &R::extL33, &R::extL34, &R::extL35, &R::extL36, &R::extL37,
         &R::extL38, &R::extL39},
        {&R::text}}},
      {24,
       {{&R::x1, &R::y1, &R::z1, &R::xscale, &R::yscale, &R::zscale, &R::xrotate, &R::yrotate,
         &R::rotate},
        {&R::extL6, &R::extL7, &R::extL10, &R::extL18, &R::extL28, &R::extL29, &R::extL30,
         &R::extL31, &R::extL32, &R::extL33, &R::extL34, &R::extL35, &R::extL36, &R::extL37,
         &R::extL38, &R::extL39},
        {&R::text}}},
      {25,
       {{&R::x1, &R::y1, &R::z1, &R::xscale, &R::yscale, &R::zscale, &R::extD17, &R::extD18,
         &R::rotate},
        {&R::extL6, &R::extL7, &R::extL18, &R::extL5, &R::extL3},
        {&R::text}}},
      {26,
       {{&R::rotate, &R::extD1, &R::extD21},
        {&R::extL6, &R::extL7, &R::extL8, &R::extL11, &R::extL12, &R::extL13, &R::extL14,
         &R::extL15, &R::extL18, &R::style},
        {}}},
      {27,
       {{&R::x1, &R::y1},
        {&R::extL6, &R::extL7, &R::extL8, &R::extL11, &R::extL16, &R::extL15, &R::extL18,
         &R::style},
        {}}},
      {32, {{&R::x1, &R::y1, &R::x2, &R::y2}, {&R::extL6}, {}}},
      {48, {{}, {&R::extL6, &R::extL7, &R::extL18, &R::extL25, &R::extL26}, {&R::text}}},
      {49,
       {{&R::x1, &R::y1, &R::z1, &R::x2, &R::y2, &R::z2, &R::extD8, &R::extD9, &R::extD10,
         &R::extD11},
        {&R::extL6, &R::extL7, &R::extL9, &R::extL18},
        {&R::text}}},
      {50,
       {{&R::x1, &R::y1, &R::z1, &R::x2, &R::y2, &R::z2, &R::extD12, &R::extD13, &R::extD14,
         &R::extD15, &R::extD16},
        {&R::extL6, &R::extL7, &R::extL9, &R::extL18, &R::extL21, &R::extL22, &R::extL23,
         &R::extL24},
        {&R::text}}},
      {51, {{}, {&R::extL6, &R::extL7, &R::extL18, &R::extL27}, {&R::extS1, &R::text}}},
      {65, {{&R::x1, &R::y1, &R::x2, &R::y2, &R::extD19, &R::extD20}, {}, {}}},
      {66, {{&R::x1, &R::y1, &R::r, &R::s, &R::e}, {}, {}}},
      {67, {{&R::x1, &R::y1, &R::extD21, &R::extD19}, {}, {}}},
      {68, {{&R::extD22, &R::extD23, &R::extD24, &R::extD25}, {}, {}}},
      {70, {{&R::x1, &R::y1, &R::x2, &R::y2}, {}, {}}},
      {71, {{&R::x1, &R::y1, &R::x2, &R::y2, &R::rotate}, {}, {}}},
      {72, {{&R::x1, &R::y1, &R::xr, &R::yr, &R::rotate}, {}, {}}},
  };
  return rows;
}

}  // namespace

const SlotRow* SlotRowOf(std::int32_t id) {
  const auto& rows = Rows();
  const auto it = rows.find(id);
  return it == rows.end() ? nullptr : &it->second;
}

}  // namespace qiv
