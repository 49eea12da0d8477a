// The framework control every plug-in contains: its properties, the incoming methods that the host
// calls, and the framework routines through which the command reaches the host's services.
//
// The control holds no command logic. Each method stores what the host handed over, asks the host
// for the rest of the input state where needed and forwards to the command's routines.
#pragma once

#include <cstdint>
#include <string>

#include "entity_record.h"
#include "event_raiser.h"
#include "interface_ids.h"
#include "module_state.h"
#include "qiv_plugin_abi.h"
#include "vb_bool.h"

namespace qiv {

namespace property_types {
using I32 = std::int32_t;
using F64 = double;
using STR = std::u16string;
using BOOL = VbBool;
}  // namespace property_types

// A string of 27 blanks: the reset value of the string properties and the title presets.
inline const std::u16string kBlanks27(27, u' ');

class QivOptCmd200 {
 public:
  QivOptCmd200(ModuleState& module, QivEventSink sink, void* context);
  // Termination: runs ExitCommand once more and resets RecordArray. Errors are the caller's to
  // catch through Terminate(); the destructor itself never throws.
  ~QivOptCmd200();
  QivOptCmd200(const QivOptCmd200&) = delete;
  QivOptCmd200& operator=(const QivOptCmd200&) = delete;

  // Incoming call by dispatch id (method, property get or put). Throws platform::RuntimeError.
  void Invoke(std::int32_t dispid, std::int32_t invoke_kind, QivArg* args, std::int32_t count);
  // The termination sequence, run once; the destructor runs it when nobody did.
  void Terminate();

  ModuleState& module() { return module_; }
  const EventRaiser& events() const { return events_; }

  // The 88 properties: plain data, no side effects.
#define QIV_PROPERTY(dispid, name, type) property_types::type name{};
#include "qiv_interface.def"

  // Incoming methods.
  void QivInitCommand();
  void QivSelectEnd(std::int16_t& sw, std::int32_t& nSelect);
  void QivGCINEnd(std::int32_t& pmcx, std::int32_t& pmcy, std::int32_t& pmcxUp,
                  std::int32_t& pmcyUp, double& pgcx, double& pgcy, double& pgcxUp, double& pgcyUp,
                  double& pdcx, double& pdcy, double& pdcxUp, double& pdcyUp, std::int32_t& psw,
                  std::int32_t& pnFlags, std::int32_t& pnFlagsUp, std::int32_t& pkey,
                  std::u16string& pstr);
  void QivTransDrag(std::int32_t& pmcx, std::int32_t& pmcy, std::int32_t& pmcxUp,
                    std::int32_t& pmcyUp, double& pgcx, double& pgcy, double& pgcxUp,
                    double& pgcyUp, double& pdcx, double& pdcy, double& pdcxUp, double& pdcyUp,
                    std::int32_t& psw, std::int32_t& pnFlags, std::int32_t& pnFlagsUp,
                    std::int32_t& pkey, std::u16string& pstr);
  void QivFromDrawingEnd(std::int32_t& psw, std::int32_t& pFDmcx0, std::int32_t& pFDmcy0,
                         std::int32_t& pFDmcx1, std::int32_t& pFDmcy1, std::int32_t& pFDmcx2,
                         std::int32_t& pFDmcy2, double& pFDgcx0, double& pFDgcy0, double& pFDgcx1,
                         double& pFDgcy1, double& pFDgcx2, double& pFDgcy2);
  void QivUrgentExit();
  // Mouse messages with their code 0 to 9, the wheel, key messages with their code 0 to 4.
  void MouseMessage(std::int32_t code, std::int32_t& nFlags, std::int32_t& pointX,
                    std::int32_t& pointY, std::int32_t& cont);
  void QivOnMouseWheel(std::int32_t& nFlags, std::int16_t& zDelta, std::int32_t& pointX,
                       std::int32_t& pointY, std::int32_t& cont);
  void KeyMessage(std::int32_t code, std::int32_t& nChar, std::int32_t& nRepCnt,
                  std::int32_t& nFlags, std::int32_t& cont);
  void QivRestartCommand(std::int32_t& mode);

  // Framework routines: ending a command.
  void ExitCommand();

  // Point input and selection.
  void ResetGCINSettings();
  void InitGCINVal();
  void GCINStart();
  void GCIN2();
  void SelectStart();
  std::int16_t Select2(std::int32_t nPack, std::int32_t nSelect);
  void AllSelect(VbBool OnOff, VbBool Draw);
  void DrawSelectedData(VbBool Highlight, VbBool Draw);
  std::int16_t GetKeepSel();
  VbBool GetHighLight();
  // `mode`, `x`, `y` and `start` are the caller's variables: the host may write into them.
  std::int32_t SearchPrimitiveMode(std::int32_t& mode, double& x, double& y, std::int16_t sel,
                                   std::int16_t locklayer, VbBool range, std::int32_t& start,
                                   VbBool nPackage);
  std::int32_t SearchPrimitive(double& x, double& y, std::int16_t sel, std::int16_t locklayer,
                               VbBool range, std::int32_t& start, VbBool nPackage);
  void FromDrawingStart(std::int32_t nPoint, VbBool bsnap);

  // Drawing data, through CurRecord.
  void GetSetRecord(std::int32_t getset, std::int32_t no);
  std::int32_t PutRecord(std::int32_t getset);
  void PutRecordAt(std::int32_t getset, std::int32_t no);
  void ReadRecord(std::int32_t no);
  std::int32_t AddRecord();
  void ReadRecordWBZ(std::int32_t no);
  std::int32_t AddRecordWBZ();
  void ChangeRecord(std::int32_t no);
  void ChangeRecordWBZ(std::int32_t no);
  void GetActiveAtr();
  void SetActiveAtr();
  void GetCurrentTextAtr();
  void SetCurrentTextAtr();
  std::int32_t AddLine(double x1, double y1, double x2, double y2);
  std::int32_t AddCircle(double x, double y, double r);
  std::int32_t AddArc(double x, double y, double r, double s, double e);
  std::int32_t AddText(const std::u16string& text, double x0, double y0, double h, double kaiten,
                       std::int16_t genten);
  // The creation epilogue of every creation wrapper: for a new entity (position 0 or more) its
  // creation date and its redraw; answers the position.
  std::int32_t CreationEpilogue(std::int32_t position);
  void DrawObject(std::int32_t n, VbBool Draw);
  void SetDeleteDate(std::int32_t n);
  void IncNumberUndo();
  void InitWBZ();
  VbBool AskLayerLock(std::int32_t no);

  // Host compatibility and host parameters.
  void GetQivVersion(std::u16string& ver);
  VbBool CheckQivVersion(const std::u16string& required);
  VbBool SetCommandDimension(std::int32_t dimension);
  VbBool GetLong1022();
  std::int16_t GetInteger1005();
  void SetLong4101(VbBool on);
  std::u16string GetStartPath();
  VbBool GetActiveQivwinTitle(std::u16string& DocTitle, std::u16string& VwTitle);

 private:
  void InvokeMethod(MethodId id, QivArg* args, std::int32_t count);
  // Stores a point input's results into the m, g and d families, sw, nFlags, key and str.
  void StoreInput(std::int32_t pmcx, std::int32_t pmcy, std::int32_t pmcxUp, std::int32_t pmcyUp,
                  double pgcx, double pgcy, double pgcxUp, double pgcyUp, double pdcx, double pdcy,
                  double pdcxUp, double pdcyUp, std::int32_t psw, std::int32_t pnFlags,
                  std::int32_t pnFlagsUp, std::int32_t pkey, const std::u16string& pstr);
  void InvokeProperty(PropertyId id, std::int32_t invoke_kind, QivArg& arg);

  ModuleState& module_;
  EventRaiser events_;
  bool terminated_ = false;
};

// The version number of "a,b,c,d": a*1000000 + b*10000 + c*100 + d; 0 for fewer than 4 characters.
// Fails with the invalid-argument error when commas are missing, type mismatch for non-numbers,
// overflow when the number leaves the Long range.
std::int32_t ParseVersion(const std::u16string& version);

// Narrowing to 16 bits; fails with the overflow error outside the signed 16-bit range.
std::int16_t NarrowTo16(std::int64_t value);

}  // namespace qiv
