#include <gtest/gtest.h>

#include <sstream>

#include "cli_test_support.h"

namespace dlt {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(IndicatorCommands, ListsTheCatalogueTabSeparated) {
  test::TempDir dir;
  const auto r = test::RunDlt(dir.path(), {"indicators"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 196u);
  EXPECT_EQ(lines[0], "z_num1\t主号一\t1\t31");
  EXPECT_EQ(lines[10], "z_hz\t主区和值\t15\t165");
  EXPECT_EQ(lines.back(), "f_num2ylzf\t副号二遗漏振幅\t0\t150");
  for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
}

}  // namespace
}  // namespace dlt
