#include "qiv_opt_cmd200.h"

#include <cmath>
#include <limits>

#include "interface_table.h"
#include "runtime_error.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

QivOptCmd200::QivOptCmd200(ModuleState& module, QivEventSink sink, void* context)
    : module_(module), events_(sink, context) {}

QivOptCmd200::~QivOptCmd200() {
  try {
    Terminate();
  } catch (...) {
    // A host that fails inside its own event handler during teardown cannot be told any more.
  }
  if (module_.OptCmd == this) module_.OptCmd = nullptr;
}

void QivOptCmd200::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  ExitCommand();
  module_.RecordArray.assign(1, EntityRecord{});
}

std::int16_t NarrowTo16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max())
    throw RuntimeError(error::kOverflow);
  return static_cast<std::int16_t>(value);
}

// ---- incoming methods ----

void QivOptCmd200::QivInitCommand() {
  GetQivVersion(module_.HostVersion);
  if (!CheckQivVersion(u"4,0,2,3")) {
    events_.Raise(EventId::QivExitCommand);
    return;
  }
  if (module_.command) module_.command->StartCommand(*this);
}

void QivOptCmd200::QivSelectEnd(std::int16_t& sw_, std::int32_t& nSelect) {
  if (module_.command) module_.command->OnSelectEnd(sw_, nSelect);
}

void QivOptCmd200::StoreInput(std::int32_t pmcx, std::int32_t pmcy, std::int32_t pmcxUp,
                              std::int32_t pmcyUp, double pgcx, double pgcy, double pgcxUp,
                              double pgcyUp, double pdcx, double pdcy, double pdcxUp, double pdcyUp,
                              std::int32_t psw, std::int32_t pnFlags, std::int32_t pnFlagsUp,
                              std::int32_t pkey, const std::u16string& pstr) {
  mcx = pmcx, mcy = pmcy, mcxUp = pmcxUp, mcyUp = pmcyUp;
  gcx = pgcx, gcy = pgcy, gcxUp = pgcxUp, gcyUp = pgcyUp;
  dcx = pdcx, dcy = pdcy, dcxUp = pdcxUp, dcyUp = pdcyUp;
  sw = psw, nFlags = pnFlags, nFlagsUp = pnFlagsUp, key = pkey;
  str = pstr;
}

void QivOptCmd200::QivGCINEnd(std::int32_t& pmcx, std::int32_t& pmcy, std::int32_t& pmcxUp,
                              std::int32_t& pmcyUp, double& pgcx, double& pgcy, double& pgcxUp,
                              double& pgcyUp, double& pdcx, double& pdcy, double& pdcxUp,
                              double& pdcyUp, std::int32_t& psw, std::int32_t& pnFlags,
                              std::int32_t& pnFlagsUp, std::int32_t& pkey, std::u16string& pstr) {
  StoreInput(pmcx, pmcy, pmcxUp, pmcyUp, pgcx, pgcy, pgcxUp, pgcyUp, pdcx, pdcy, pdcxUp, pdcyUp,
             psw, pnFlags, pnFlagsUp, pkey, pstr);
  std::int16_t result = 0;
  events_.Raise(EventId::QivGetActiveQivwinTitle, QivwinDocName, QivwinViewName, result);
  events_.Raise(EventId::QivGetRestGCIN, vcx, vcy, vcxUp, vcyUp, dcz, dczUp, gcz, gczUp, scx, scy,
                scz, scxUp, scyUp, sczUp);
  if (module_.command) module_.command->OnGCINEnd();
}

void QivOptCmd200::QivTransDrag(std::int32_t& pmcx, std::int32_t& pmcy, std::int32_t& pmcxUp,
                                std::int32_t& pmcyUp, double& pgcx, double& pgcy, double& pgcxUp,
                                double& pgcyUp, double& pdcx, double& pdcy, double& pdcxUp,
                                double& pdcyUp, std::int32_t& psw, std::int32_t& pnFlags,
                                std::int32_t& pnFlagsUp, std::int32_t& pkey, std::u16string& pstr) {
  StoreInput(pmcx, pmcy, pmcxUp, pmcyUp, pgcx, pgcy, pgcxUp, pgcyUp, pdcx, pdcy, pdcxUp, pdcyUp,
             psw, pnFlags, pnFlagsUp, pkey, pstr);
  if (module_.command) module_.command->OnDrag();
}

void QivOptCmd200::QivFromDrawingEnd(std::int32_t& psw, std::int32_t& pFDmcx0,
                                     std::int32_t& pFDmcy0, std::int32_t& pFDmcx1,
                                     std::int32_t& pFDmcy1, std::int32_t& pFDmcx2,
                                     std::int32_t& pFDmcy2, double& pFDgcx0, double& pFDgcy0,
                                     double& pFDgcx1, double& pFDgcy1, double& pFDgcx2,
                                     double& pFDgcy2) {
  FDmcx0 = pFDmcx0, FDmcy0 = pFDmcy0, FDmcx1 = pFDmcx1, FDmcy1 = pFDmcy1;
  FDmcx2 = pFDmcx2, FDmcy2 = pFDmcy2;
  FDgcx0 = pFDgcx0, FDgcy0 = pFDgcy0, FDgcx1 = pFDgcx1, FDgcy1 = pFDgcy1;
  FDgcx2 = pFDgcx2, FDgcy2 = pFDgcy2;
  std::int16_t converted = NarrowTo16(psw);
  events_.Raise(EventId::QivGetRestFromDrawingEnd, FDvcx0, FDvcy0, FDvcx1, FDvcy1, FDvcx2, FDvcy2,
                FDgcz0, FDgcz1, FDgcz2);
  if (module_.command) module_.command->OnFromDrawing(converted);
}

void QivOptCmd200::QivUrgentExit() {
  if (module_.command) module_.command->EndCommand();
}

void QivOptCmd200::MouseMessage(std::int32_t code, std::int32_t& nFlags_, std::int32_t& pointX,
                                std::int32_t& pointY, std::int32_t& cont) {
  if (module_.command) module_.command->OnMouseEvent(code, nFlags_, pointX, pointY, cont);
}

void QivOptCmd200::QivOnMouseWheel(std::int32_t& nFlags_, std::int16_t& zDelta,
                                   std::int32_t& pointX, std::int32_t& pointY, std::int32_t& cont) {
  if (module_.command) module_.command->OnMouseWheel(nFlags_, zDelta, pointX, pointY, cont);
  cont = 0;
}

void QivOptCmd200::KeyMessage(std::int32_t code, std::int32_t& nChar, std::int32_t& nRepCnt,
                              std::int32_t& nFlags_, std::int32_t& cont) {
  if (module_.command) module_.command->OnKeyEvent(code, nChar, nRepCnt, nFlags_, cont);
}

void QivOptCmd200::QivRestartCommand(std::int32_t& mode) {
  if (module_.command) module_.command->OnRestart(mode);
}

void QivOptCmd200::ExitCommand() {
  std::int16_t keep = 0;
  events_.Raise(EventId::QivGetKeepSel, keep);
  if (keep == 0) {
    std::int16_t highlight = 0;
    events_.Raise(EventId::QivGetHighLight, highlight);
    std::int16_t on_off = 0;
    std::int16_t draw = highlight == 1 ? 1 : 0;
    events_.Raise(EventId::QivAllSelect, on_off, draw);
  }
  module_.RecordArray.resize(1);
  events_.Raise(EventId::QivExitCommand);
}

}  // namespace qiv
