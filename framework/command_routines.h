// What the control calls in the command: the command side of the incoming host calls.
#pragma once

#include <cstdint>

namespace qiv {

class QivOptCmd200;

class CommandRoutines {
 public:
  virtual ~CommandRoutines() = default;

  // The host version was accepted; `control` is the command's control from now on.
  virtual void StartCommand(QivOptCmd200& control) = 0;
  virtual void EndCommand() = 0;
  // A point input finished; its results are in the control's properties.
  virtual void OnGCINEnd() = 0;
  virtual void OnSelectEnd(std::int16_t sw, std::int32_t nSelect) = 0;
  // Mouse button and move messages, codes 0 to 9; the wheel; key messages, codes 0 to 4.
  virtual void OnMouseEvent(std::int32_t& code, std::int32_t& nFlags, std::int32_t& pointX,
                            std::int32_t& pointY, std::int32_t& cont) = 0;
  virtual void OnMouseWheel(std::int32_t& nFlags, std::int16_t& zDelta, std::int32_t& pointX,
                            std::int32_t& pointY, std::int32_t& cont) = 0;
  virtual void OnKeyEvent(std::int32_t& code, std::int32_t& nChar, std::int32_t& nRepCnt,
                          std::int32_t& nFlags, std::int32_t& cont) = 0;
  virtual void OnDrag() = 0;
  virtual void OnFromDrawing(std::int16_t& sw) = 0;
  virtual void OnRestart(std::int32_t& mode) = 0;
};

}  // namespace qiv
