// What the fuzz targets share: a scratch folder for the readers that take a path, the fuzzer's
// bytes as text, and the way a target reports a broken promise.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// One UTF-16 unit for each byte: ASCII stays itself, so text seeds read as they stand.
inline std::u16string Widen(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return text;
}

// The process's own folder under the temporary folder, made on first use and removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pipetrim_fuzz_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("pipetrim fuzz scratch folder");
      std::abort();
    }
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

// The text conversions open a converter for each call; holding one of each kind open keeps the
// system's conversion modules loaded between calls instead of loading them every time, which
// would cost most of a run. Call once before the first input.
inline void KeepConvertersLoaded() {
  [[maybe_unused]] static const iconv_t converters[] = {
      iconv_open("CP932", "UTF-16LE"), iconv_open("UTF-16LE", "CP932"),
      iconv_open("UTF-8", "UTF-16LE"), iconv_open("UTF-16LE", "UTF-8")};
}

// Writes `content` to the file `name` in the scratch folder; returns its path.
inline std::string ScratchFile(const std::string& name, std::string_view content) {
  const std::filesystem::path path = ScratchFolder() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  if (!out) {
    std::perror(path.c_str());
    std::abort();
  }
  return path.string();
}

// A promise the reader broke on this input: says which, and ends the run as a finding.
[[noreturn]] inline void Broken(const char* promise) {
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

}  // namespace fuzz
