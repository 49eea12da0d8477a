// Incoming calls by dispatch id: argument checks against the interface table, property reads and
// writes, and the routing of each method to its member function.
#include <cmath>
#include <limits>
#include <string>

#include "abi_values.h"
#include "interface_table.h"
#include "qiv_opt_cmd200.h"
#include "runtime_error.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

namespace {

void CheckArguments(const Member& method, const QivArg* args, std::int32_t count) {
  if (static_cast<std::size_t>(count) != method.params.size() || (count > 0 && args == nullptr))
    throw RuntimeError(error::kWrongArgumentCount);
  for (std::int32_t i = 0; i < count; ++i)
    if (args[i].kind != ArgKindOf(method.params[static_cast<std::size_t>(i)].kind))
      throw RuntimeError(error::kTypeMismatch);
}

// Property values cross the boundary with the usual numeric coercions.
double NumberOf(const QivArg& arg) {
  switch (arg.kind) {
    case QIV_ARG_I16:
      return *arg.ref.i16;
    case QIV_ARG_I32:
      return *arg.ref.i32;
    case QIV_ARG_F64:
      return *arg.ref.f64;
    default:
      throw RuntimeError(error::kTypeMismatch);
  }
}

template <typename Int>
Int IntegerOf(const QivArg& arg) {
  const double value = std::nearbyint(NumberOf(arg));  // rounds half to even
  if (!(value >= std::numeric_limits<Int>::min() && value <= std::numeric_limits<Int>::max()))
    throw RuntimeError(error::kOverflow);
  return static_cast<Int>(value);
}

void Put(std::int16_t& property, const QivArg& arg) {
  property = IntegerOf<std::int16_t>(arg);
}
void Put(std::int32_t& property, const QivArg& arg) {
  property = IntegerOf<std::int32_t>(arg);
}
void Put(double& property, const QivArg& arg) {
  property = NumberOf(arg);
}
void Put(std::u16string& property, const QivArg& arg) {
  if (arg.kind != QIV_ARG_STR) throw RuntimeError(error::kTypeMismatch);
  property = ReadStr(*arg.ref.str);
}

template <typename Number>
void Get(Number property, QivArg& arg) {
  double value = static_cast<double>(property);
  QivArg source{};
  source.kind = QIV_ARG_F64;
  source.ref.f64 = &value;
  switch (arg.kind) {
    case QIV_ARG_I16:
      *arg.ref.i16 = IntegerOf<std::int16_t>(source);
      break;
    case QIV_ARG_I32:
      *arg.ref.i32 = IntegerOf<std::int32_t>(source);
      break;
    case QIV_ARG_F64:
      *arg.ref.f64 = value;
      break;
    default:
      throw RuntimeError(error::kTypeMismatch);
  }
}
void Get(const std::u16string& property, QivArg& arg) {
  if (arg.kind != QIV_ARG_STR) throw RuntimeError(error::kTypeMismatch);
  WriteStr(*arg.ref.str, property);
}

// A by-reference string argument as a local that is written back when the callee changed it.
class StrArg {
 public:
  explicit StrArg(QivArg& arg) : arg_(arg), value_(ReadStr(*arg.ref.str)), original_(value_) {}
  ~StrArg() {
    if (value_ != original_) WriteStr(*arg_.ref.str, value_);
  }
  StrArg(const StrArg&) = delete;
  StrArg& operator=(const StrArg&) = delete;
  std::u16string& value() { return value_; }

 private:
  QivArg& arg_;
  std::u16string value_;
  std::u16string original_;
};

}  // namespace

void QivOptCmd200::Invoke(std::int32_t dispid, std::int32_t invoke_kind, QivArg* args,
                          std::int32_t count) {
  // A call from inside an event may assign a string that the event passed by reference (a
  // property put, a method storing its arguments): the host must then read it afresh.
  struct RefreshOnReturn {
    ~RefreshOnReturn() { StrRef::RefreshAll(); }
  } refresh;
  const Member* member = FindMember(dispid);
  if (member == nullptr || member->kind == MemberKind::Event)
    throw RuntimeError(438, u"Object doesn't support this property or method");
  if (member->kind == MemberKind::Method) {
    if (invoke_kind != QIV_INVOKE_METHOD)
      throw RuntimeError(438, u"Object doesn't support this property or method");
    CheckArguments(*member, args, count);
    InvokeMethod(static_cast<MethodId>(dispid), args, count);
    return;
  }
  if (invoke_kind != QIV_INVOKE_PROPERTYGET && invoke_kind != QIV_INVOKE_PROPERTYPUT)
    throw RuntimeError(438, u"Object doesn't support this property or method");
  if (count != 1 || args == nullptr) throw RuntimeError(error::kWrongArgumentCount);
  InvokeProperty(static_cast<PropertyId>(dispid), invoke_kind, args[0]);
}

void QivOptCmd200::InvokeProperty(PropertyId id, std::int32_t invoke_kind, QivArg& arg) {
  const bool put = invoke_kind == QIV_INVOKE_PROPERTYPUT;
  switch (id) {
#define QIV_PROPERTY(dispid, name, type) \
  case PropertyId::name:                 \
    if (put)                             \
      Put(name, arg);                    \
    else                                 \
      Get(name, arg);                    \
    return;
#include "qiv_interface.def"
  }
}

void QivOptCmd200::InvokeMethod(MethodId id, QivArg* a, std::int32_t /*count*/) {
  // The arguments were checked against the table: each a[i] has the declared kind.
  const auto L = [a](int i) -> std::int32_t& { return *a[i].ref.i32; };
  const auto D = [a](int i) -> double& { return *a[i].ref.f64; };
  switch (id) {
    case MethodId::QivInitCommand:
      QivInitCommand();
      return;
    case MethodId::QivSelectEnd:
      QivSelectEnd(*a[0].ref.i16, L(1));
      return;
    case MethodId::QivGCINEnd:
    case MethodId::QivTransDrag: {
      StrArg pstr(a[16]);
      const auto method =
          id == MethodId::QivGCINEnd ? &QivOptCmd200::QivGCINEnd : &QivOptCmd200::QivTransDrag;
      (this->*method)(L(0), L(1), L(2), L(3), D(4), D(5), D(6), D(7), D(8), D(9), D(10), D(11),
                      L(12), L(13), L(14), L(15), pstr.value());
      return;
    }
    case MethodId::QivEscape:
      return;
    case MethodId::QivFromDrawingEnd:
      QivFromDrawingEnd(L(0), L(1), L(2), L(3), L(4), L(5), L(6), D(7), D(8), D(9), D(10), D(11),
                        D(12));
      return;
    case MethodId::QivUrgentExit:
      QivUrgentExit();
      return;
    case MethodId::QivOnLButtonDown:
    case MethodId::QivOnLButtonUp:
    case MethodId::QivOnLButtonDblClk:
    case MethodId::QivOnMButtonDown:
    case MethodId::QivOnMButtonUp:
    case MethodId::QivOnMButtonDblClk:
    case MethodId::QivOnRButtonDown:
    case MethodId::QivOnRButtonUp:
    case MethodId::QivOnRButtonDblClk:
    case MethodId::QivOnMouseMove: {
      const auto code =
          static_cast<std::int32_t>(id) - static_cast<std::int32_t>(MethodId::QivOnLButtonDown);
      MouseMessage(code, L(0), L(1), L(2), L(3));
      return;
    }
    case MethodId::QivOnMouseWheel:
      QivOnMouseWheel(L(0), *a[1].ref.i16, L(2), L(3), L(4));
      return;
    case MethodId::QivOnChar:
    case MethodId::QivOnKeyDown:
    case MethodId::QivOnKeyUp:
    case MethodId::QivOnSysKeyDown:
    case MethodId::QivOnSysKeyUp: {
      const auto code =
          static_cast<std::int32_t>(id) - static_cast<std::int32_t>(MethodId::QivOnChar);
      KeyMessage(code, L(0), L(1), L(2), L(3));
      return;
    }
    case MethodId::QivRestartCommand:
      QivRestartCommand(L(0));
      return;
    case MethodId::QivTransDrag3D: {
      StrArg pstr(a[30]);
      mcx = L(0), mcy = L(1), mcxUp = L(2), mcyUp = L(3);
      vcx = D(4), vcy = D(5), vcxUp = D(6), vcyUp = D(7);
      dcx = D(8), dcy = D(9), dcz = D(10), dcxUp = D(11), dcyUp = D(12), dczUp = D(13);
      gcx = D(14), gcy = D(15), gcz = D(16), gcxUp = D(17), gcyUp = D(18), gczUp = D(19);
      scx = D(20), scy = D(21), scz = D(22), scxUp = D(23), scyUp = D(24), sczUp = D(25);
      sw = L(26), nFlags = L(27), nFlagsUp = L(28), key = L(29);
      str = pstr.value();
      if (module_.command) module_.command->OnDrag();
      return;
    }
    case MethodId::QivEndDialog:
      return;
  }
}

}  // namespace qiv
