// Point input and selection: resetting and starting point-input rounds, selections, and the search
// for the entity under a point.
#include "qiv_opt_cmd200.h"

namespace qiv {

void QivOptCmd200::InitGCINVal() {
  events_.Raise(EventId::QivInitGCINVal);
}

void QivOptCmd200::ResetGCINSettings() {
  InitGCINVal();
  std::int32_t cursor_color = 0;
  events_.Raise(EventId::QivGetCursorColor, cursor_color);

  mcx = mcy = mcxUp = mcyUp = 0;
  vcx = vcy = vcxUp = vcyUp = 0;
  dcx = dcy = dcz = dcxUp = dcyUp = dczUp = 0;
  gcx = gcy = gcz = gcxUp = gcyUp = gczUp = 0;
  scx = scy = scz = scxUp = scyUp = sczUp = 0;
  sw = nFlags = nFlagsUp = key = 0;
  str = QivwinViewName = QivwinDocName = msg = kBlanks27;

  Snap = ButtonUp = kFalse;
  Cursor = 1;
  Rubber = nDrag = 0;
  CursorColor = RubberColor = cursor_color;
  CursorStyle = CursorWidth = RubberStyle = RubberWidth = 0;
  DragColor = DragStyle = DragWidth = -1;
  sizeX = sizeY = x0 = y0 = x1 = y1 = x3 = y3 = z3 = x4 = y4 = z4 = 0;
  bNoDoc = bNoView = bAutoRotate = kTrue;
  bCTRLIgnoreStrictSnap = bStream = kFalse;
  bAutoDrag = kTrue;

  FDmcx0 = FDmcy0 = FDmcx1 = FDmcy1 = FDmcx2 = FDmcy2 = 0;
  FDvcx0 = FDvcy0 = FDvcx1 = FDvcy1 = FDvcx2 = FDvcy2 = 0;
  FDgcx0 = FDgcy0 = FDgcz0 = FDgcx1 = FDgcy1 = FDgcz1 = FDgcx2 = FDgcy2 = FDgcz2 = 0;
}

void QivOptCmd200::GCINStart() {
  std::int16_t nSnap = OneZero(Snap), nButtonUp = OneZero(ButtonUp);
  std::int16_t nCTRLIgnoreStrictSnap = OneZero(bCTRLIgnoreStrictSnap);
  std::int16_t nStream = OneZero(bStream), nAutoDrag = OneZero(bAutoDrag);
  std::int16_t nNoDoc = OneZero(bNoDoc), nNoView = OneZero(bNoView);
  std::int16_t nAutoRotate = OneZero(bAutoRotate);
  events_.Raise(EventId::QivPreGCINStart, x3, y3, z3, x4, y4, z4, nNoDoc, nNoView, nAutoRotate);
  events_.Raise(EventId::QivGCINStart, msg, nSnap, nButtonUp, Cursor, Rubber, nDrag, CursorColor,
                CursorStyle, CursorWidth, RubberColor, RubberStyle, RubberWidth, DragColor,
                DragStyle, DragWidth, sizeX, sizeY, x0, y0, x1, y1, nCTRLIgnoreStrictSnap, nStream,
                nAutoDrag);
}

void QivOptCmd200::GCIN2() {
  std::int16_t nSnap = OneZero(Snap), nButtonUp = OneZero(ButtonUp);
  std::int16_t nCTRLIgnoreStrictSnap = OneZero(bCTRLIgnoreStrictSnap);
  std::int16_t nStream = OneZero(bStream), nAutoDrag = OneZero(bAutoDrag);
  events_.Raise(EventId::QivGCIN2, msg, nSnap, nButtonUp, Cursor, Rubber, nDrag, CursorColor,
                CursorStyle, CursorWidth, RubberColor, RubberStyle, RubberWidth, DragColor,
                DragStyle, DragWidth, sizeX, sizeY, x0, y0, x1, y1, nCTRLIgnoreStrictSnap, nStream,
                nAutoDrag);
  events_.Raise(EventId::QivGetGCIN2Value, mcx, mcy, mcxUp, mcyUp, gcx, gcy, gcxUp, gcyUp, dcx, dcy,
                dcxUp, dcyUp, sw, nFlags, nFlagsUp, key, str);
  std::int16_t result = 0;
  events_.Raise(EventId::QivGetActiveQivwinTitle, QivwinDocName, QivwinViewName, result);
  events_.Raise(EventId::QivGetRestGCIN, vcx, vcy, vcxUp, vcyUp, dcz, dczUp, gcz, gczUp, scx, scy,
                scz, scxUp, scyUp, sczUp);
}

void QivOptCmd200::SelectStart() {
  const VbBool highlight = GetHighLight();
  // Through the command's reference to the control, as the command would clear it.
  QivOptCmd200& control = module_.OptCmd ? *module_.OptCmd : *this;
  control.AllSelect(kFalse, highlight);
  events_.Raise(EventId::QivSelectStart);
}

std::int16_t QivOptCmd200::Select2(std::int32_t nPack, std::int32_t nSelect) {
  std::int16_t result = 0;
  events_.Raise(EventId::QivSelect2, nPack, nSelect, result);
  return result;
}

void QivOptCmd200::AllSelect(VbBool OnOff, VbBool Draw) {
  std::int16_t on_off = OneZero(OnOff), draw = OneZero(Draw);
  events_.Raise(EventId::QivAllSelect, on_off, draw);
}

void QivOptCmd200::DrawSelectedData(VbBool Highlight, VbBool Draw) {
  std::int16_t highlight = OneZero(Highlight), draw = OneZero(Draw);
  std::int32_t nStart = 0;
  events_.Raise(EventId::QivDrawSelectedData, highlight, draw, nStart);
}

std::int16_t QivOptCmd200::GetKeepSel() {
  std::int16_t keep = 0;
  events_.Raise(EventId::QivGetKeepSel, keep);
  return keep;
}

VbBool QivOptCmd200::GetHighLight() {
  std::int16_t highlight = 0;
  events_.Raise(EventId::QivGetHighLight, highlight);
  return ToVbBool(highlight == 1);
}

std::int32_t QivOptCmd200::SearchPrimitiveMode(std::int32_t& mode, double& x, double& y,
                                               std::int16_t sel, std::int16_t locklayer,
                                               VbBool range, std::int32_t& start, VbBool nPackage) {
  std::int32_t sel_long = sel, locklayer_long = locklayer;
  std::int16_t range_copy = OneZero(range), package_copy = OneZero(nPackage);
  std::int32_t position = 0;
  if (ParseVersion(module_.HostVersion) < ParseVersion(u"2, 0, 2, 6")) {
    events_.Raise(EventId::QivSearchPrimitiveMode, mode, x, y, sel_long, locklayer_long, range_copy,
                  start, position);
  } else {
    events_.Raise(EventId::QivSearchPrimitiveModePackage, mode, x, y, sel_long, locklayer_long,
                  range_copy, start, package_copy, position);
  }
  return position;
}

std::int32_t QivOptCmd200::SearchPrimitive(double& x, double& y, std::int16_t sel,
                                           std::int16_t locklayer, VbBool range,
                                           std::int32_t& start, VbBool nPackage) {
  std::int32_t sel_long = sel, locklayer_long = locklayer;
  std::int16_t range_copy = OneZero(range), package_copy = OneZero(nPackage);
  std::int32_t position = 0;
  if (ParseVersion(module_.HostVersion) < ParseVersion(u"2, 0, 2, 6")) {
    events_.Raise(EventId::QivSearchPrimitive, x, y, sel_long, locklayer_long, range_copy, start,
                  position);
  } else {
    events_.Raise(EventId::QivSearchPrimitivePackage, x, y, sel_long, locklayer_long, range_copy,
                  start, package_copy, position);
  }
  return position;
}

void QivOptCmd200::FromDrawingStart(std::int32_t nPoint, VbBool bsnap) {
  std::int16_t snap = OneZero(bsnap);
  events_.Raise(EventId::QivFromDrawingStart, nPoint, snap);
}

}  // namespace qiv
