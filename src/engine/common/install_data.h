#pragma once

#include <string>
#include <vector>

namespace dlt {

// The installation data (sprites, layout files, help page) that a new data
// folder is seeded with.
constexpr const char* kInstallDataFiles[] = {"pic/pic1.bmp",   "pic/pic2.bmp", "pic/pic3.bmp",
                                             "pic/pic4.bmp",   "help.htm",     "database/lx.hls",
                                             "database/wx.hls"};

// The first candidate folder that holds every installation file; empty
// when none does.
std::string FindInstallDataDir(const std::vector<std::string>& candidates);

struct SeedResult {
  int copied = 0;
  std::vector<std::string> missing;  // files the installation folder lacks
  std::string error;                 // a copy that failed
};

// Copies each installation file that the data folder does not have yet;
// files already there (the user's own) are never overwritten.
SeedResult SeedDataFolder(const std::string& installDir, const std::string& dataRoot);

}  // namespace dlt
