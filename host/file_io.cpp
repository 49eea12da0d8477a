// Whole-file reading and atomic replacement.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drawing_files.h"
#include "runtime_error.h"
#include "text_file.h"
#include "text_utf.h"

namespace host {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DrawingFileError(path + ": cannot be opened");
  // Read into a string of the file's size, so that a large drawing is held once, not twice.
  std::error_code failure;
  const auto size = std::filesystem::file_size(path, failure);
  std::string content;
  if (!failure) {
    content.resize(static_cast<std::size_t>(size));
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
  }
  // Whatever the size did not tell (a pipe, a file that grew) follows.
  if (!in.bad()) {
    in.clear();
    std::ostringstream rest;
    rest << in.rdbuf();
    content += std::move(rest).str();
  }
  if (in.bad()) throw DrawingFileError(path + ": cannot be read");
  return content;
}

void WriteFileAtomically(const std::string& path, const std::string& content) {
  try {
    platform::ReplaceFileContent(path, content);
  } catch (const platform::RuntimeError& error) {
    throw std::runtime_error(path + ": cannot be written (" + ToUtf8(error.text()) + ")");
  }
}

LoadReport ReadDrawing(const std::string& path, Drawing& drawing, const LoadProgress& progress) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".dxf") return ReadDxf(path, drawing, progress);
  if (extension == ".json") return ReadJson(path, drawing);
  throw DrawingFileError(path + ": not a drawing (expected .dxf or .json)");
}

}  // namespace host
