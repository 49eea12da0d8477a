// Host commands by number (host_commands.def): QivSimpleCommand, QivExecCommand, QivSendMessage,
// QivWndSendMessage and QivCoordinates2 with their fixed numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "array_buffer.h"
#include "generic_raise.h"
#include "value_kinds.h"

namespace qiv::services {

namespace detail {

// QivSimpleCommand with `nID` and the caller's parameters; returns the host's result.
std::int32_t RunSimpleCommand(QivOptCmd200& control, std::int32_t nID, std::int32_t para1,
                              std::int32_t para2);
std::int32_t RunExecCommand(QivOptCmd200& control, std::int32_t id);
std::int32_t SendHostMessage(QivOptCmd200& control, std::int32_t msg, std::int32_t wParam,
                             std::int32_t lParam);
std::int32_t SendWindowMessage(QivOptCmd200& control, std::int32_t msg, std::int32_t wParam,
                               std::int32_t lParam);
void GetCoordinates(QivOptCmd200& control, std::int32_t id, double& x, double& y);
void SetCoordinates(QivOptCmd200& control, std::int32_t id, double x, double y);

}  // namespace detail

#define QIV_SIMPLE_COMMAND(nID, kind)                                                         \
  inline kinds::kind::Value SimpleCommand##nID(QivOptCmd200& control, std::int32_t para1 = 0, \
                                               std::int32_t para2 = 0) {                      \
    return kinds::kind::FromHost(detail::RunSimpleCommand(control, nID, para1, para2));       \
  }
#define QIV_EXEC_COMMAND(id)                                   \
  inline std::int32_t ExecCommand##id(QivOptCmd200& control) { \
    return detail::RunExecCommand(control, id);                \
  }
#define QIV_SEND_MESSAGE(suffix, msg)                                                     \
  inline std::int32_t SendMessage##suffix(QivOptCmd200& control, std::int32_t wParam = 0, \
                                          std::int32_t lParam = 0) {                      \
    return detail::SendHostMessage(control, msg, wParam, lParam);                         \
  }
#define QIV_WND_SEND_MESSAGE(msg)                                                         \
  inline std::int32_t WndSendMessage##msg(QivOptCmd200& control, std::int32_t wParam = 0, \
                                          std::int32_t lParam = 0) {                      \
    return detail::SendWindowMessage(control, msg, wParam, lParam);                       \
  }
#define QIV_COORDINATES(id)                                                     \
  inline void GetCoordinates##id(QivOptCmd200& control, double& x, double& y) { \
    detail::GetCoordinates(control, id, x, y);                                  \
  }                                                                             \
  inline void SetCoordinates##id(QivOptCmd200& control, double x, double y) {   \
    detail::SetCoordinates(control, id, x, y);                                  \
  }
#include "host_commands.def"

// Command 2052: hands `items` to the host through the array buffer, runs the command and reads
// the answers back into `items`, one per item sent. Returns the host's result.
std::int32_t SimpleCommand2052(QivOptCmd200& control, std::vector<ArrayItem>& items,
                               std::int32_t para1 = 0, std::int32_t para2 = 0);

}  // namespace qiv::services
