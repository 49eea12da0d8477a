#include "host_commands.h"

namespace qiv::services {
namespace detail {

std::int32_t RunSimpleCommand(QivOptCmd200& control, std::int32_t nID, std::int32_t para1,
                              std::int32_t para2) {
  std::int32_t result = 0;
  Raise<EventId::QivSimpleCommand>(control, nID, para1, para2, result);
  return result;
}

std::int32_t RunExecCommand(QivOptCmd200& control, std::int32_t id) {
  std::int32_t result = 0;
  Raise<EventId::QivExecCommand>(control, id, result);
  return result;
}

std::int32_t SendHostMessage(QivOptCmd200& control, std::int32_t msg, std::int32_t wParam,
                             std::int32_t lParam) {
  std::int32_t result = 0;
  Raise<EventId::QivSendMessage>(control, msg, wParam, lParam, result);
  return result;
}

std::int32_t SendWindowMessage(QivOptCmd200& control, std::int32_t msg, std::int32_t wParam,
                               std::int32_t lParam) {
  std::int32_t result = 0;
  Raise<EventId::QivWndSendMessage>(control, msg, wParam, lParam, result);
  return result;
}

void GetCoordinates(QivOptCmd200& control, std::int32_t id, double& x, double& y) {
  std::int32_t getset = 0;
  x = 0;
  y = 0;
  Raise<EventId::QivCoordinates2>(control, id, getset, x, y);
}

void SetCoordinates(QivOptCmd200& control, std::int32_t id, double x, double y) {
  std::int32_t getset = 1;
  Raise<EventId::QivCoordinates2>(control, id, getset, x, y);
}

}  // namespace detail

std::int32_t SimpleCommand2052(QivOptCmd200& control, std::vector<ArrayItem>& items,
                               std::int32_t para1, std::int32_t para2) {
  InitArrayBuffer(control);
  for (const ArrayItem& item : items) AddArrayItem(control, item);
  const std::int32_t result = detail::RunSimpleCommand(control, 2052, para1, para2);
  for (std::size_t i = 0; i < items.size(); ++i)
    items[i] = GetArrayItem(control, static_cast<std::int32_t>(i));
  return result;
}

}  // namespace qiv::services
