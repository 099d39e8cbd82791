#include "common/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace dlt {

std::string DataFolder::Resolve(const std::string& explicitDir) {
  if (!explicitDir.empty()) return explicitDir;
  if (const char* home = std::getenv("DLT_HOME"); home && *home) return home;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/dlt";
  const char* userHome = std::getenv("HOME");
  return std::string(userHome ? userHome : ".") + "/.local/share/dlt";
}

DataFolder::DataFolder(std::string root) : root_(std::move(root)) {
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

std::string DataFolder::Path(const std::string& relative) const { return root_ + "/" + relative; }

bool DataFolder::Ensure(std::string* error) const {
  std::error_code ec;
  for (const auto& dir : {root_, DatabaseDir(), SaveDir()}) {
    std::filesystem::create_directories(dir, ec);
    if (ec) {
      if (error) *error = "无法创建文件夹 " + dir + ": " + ec.message();
      return false;
    }
  }
  return true;
}

}  // namespace dlt
