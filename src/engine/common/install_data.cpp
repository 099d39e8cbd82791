#include "common/install_data.h"

#include <filesystem>
#include <system_error>

#include "common/file_io.h"

namespace dlt {

namespace fs = std::filesystem;

std::string FindInstallDataDir(const std::vector<std::string>& candidates) {
  for (const auto& dir : candidates) {
    if (dir.empty()) continue;
    bool complete = true;
    std::error_code ec;
    for (const char* f : kInstallDataFiles)
      if (!fs::is_regular_file(fs::path(dir) / f, ec)) complete = false;
    if (complete) return dir;
  }
  return {};
}

SeedResult SeedDataFolder(const std::string& installDir, const std::string& dataRoot) {
  SeedResult r;
  for (const char* f : kInstallDataFiles) {
    std::error_code ec;
    const fs::path target = fs::path(dataRoot) / f;
    if (fs::exists(target, ec)) continue;
    const fs::path source = fs::path(installDir) / f;
    if (installDir.empty() || !fs::is_regular_file(source, ec)) {
      r.missing.push_back(f);
      continue;
    }
    fs::create_directories(target.parent_path(), ec);
    // A copy cut short must not stay behind: files already there are never
    // copied again.
    std::string error;
    const auto bytes = ReadRegularFile(source.string(), kMaxTextFileBytes, &error);
    if (!bytes || !WriteFileAtomically(target.string(), *bytes, &error)) {
      r.error = "无法复制 " + source.string() + ": " + error;
      return r;
    }
    ++r.copied;
  }
  return r;
}

}  // namespace dlt
