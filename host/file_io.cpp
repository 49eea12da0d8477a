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
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw DrawingFileError(path + ": cannot be read");
  return std::move(content).str();
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
