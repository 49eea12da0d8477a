// The host's version string as the commands compare it ("4,0,2,3"): any text gives a number or
// fails with a run-time error.
#include "code_page.h"
#include "fuzz_input.h"
#include "qiv_opt_cmd200.h"
#include "runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    qiv::ParseVersion(platform::FromUtf8(fuzz::Bytes(data, size)));
  } catch (const platform::RuntimeError&) {
  }
  return 0;
}
