#include "common/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "generator/condition_files.h"
#include "generator/condition_report.h"
#include "generator/result_files.h"
#include "history/custom_indicator_list.h"
#include "history/draw_text_io.h"
#include "support/test_support.h"
#include "trend/matrix_layout.h"

namespace dlt {
namespace {

size_t FilesIn(const std::string& dir) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                           std::filesystem::directory_iterator()));
}

// Every writer of the program, each asked to write far more than the disk
// takes: the write fails, says why, and the old file is still there whole.
TEST(FileIo, AFailedWriteLeavesTheOldFileWhole) {
  const std::vector<Combo> combos(2000, Combo{1, 2, 3, 4, 5});
  const std::vector<std::string> lines(2000, "a line of some length");
  using Write = std::function<bool(const std::string&, std::string*)>;
  const std::vector<std::pair<const char*, Write>> writers = {
      {"history export",
       [](const std::string& p, std::string* e) {
         return ExportDraws(test::RandomHistory(500), p, e);
       }},
      {"result file",
       [&](const std::string& p, std::string* e) { return SaveCombos(combos, p, e); }},
      {"listing",
       [&](const std::string& p, std::string* e) { return WriteFrontListing(combos, p, e); }},
      {"condition report",
       [&](const std::string& p, std::string* e) { return WriteConditionReport(p, lines, e); }},
      {"custom indicators",
       [&](const std::string& p, std::string* e) { return SaveCustomIndicatorLines(p, lines, e); }},
      {"condition file",
       [](const std::string& p, std::string* e) { return SaveFrontSet(ConditionSet(), p, e); }},
  };
  for (const auto& [name, write] : writers) {
    SCOPED_TRACE(name);
    test::TempDir dir;
    const std::string path = dir.file("old.txt");
    test::WriteBytes(path, "old\r\n");
    std::string error;
    {
      test::FileSizeLimit fullDisk(4096);
      EXPECT_FALSE(write(path, &error));
    }
    EXPECT_EQ(error, "无法写入文件: " + path + " (磁盘空间不足)");
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    EXPECT_EQ(FilesIn(dir.path()), 1u) << "no temporary file is left behind";
    EXPECT_TRUE(write(path, &error)) << error;
    EXPECT_GT(test::ReadBytes(path).size(), 4096u);
  }
}

// A new file gets the mode the umask gives, as any program's files do (the
// temporary file it is written as is created so); a replaced file keeps
// its own. The umask is the process's: it is set for the test and put back.
TEST(FileIo, NewFilesFollowTheUmask) {
  const std::vector<Combo> combos(3, Combo{1, 2, 3, 4, 5});
  using Write = std::function<bool(const std::string&)>;
  const std::vector<std::pair<const char*, Write>> writers = {
      {"plain write", [](const std::string& p) { return WriteFileAtomically(p, "x"); }},
      {"history export",
       [](const std::string& p) { return ExportDraws(test::RandomHistory(5), p, nullptr); }},
      {"result file", [&](const std::string& p) { return SaveCombos(combos, p, nullptr); }},
      {"condition file",
       [](const std::string& p) { return SaveFrontSet(ConditionSet(), p, nullptr); }},
      {"layout file", [](const std::string& p) { return WriteLayoutFile(p, DefaultGridLayout()); }},
  };
  const auto modeOf = [](const std::string& path) {
    return std::filesystem::status(path).permissions() & std::filesystem::perms::mask;
  };
  using std::filesystem::perms;
  const struct {
    mode_t umask;
    perms expected;
  } cases[] = {
      {077, perms::owner_read | perms::owner_write},
      {027, perms::owner_read | perms::owner_write | perms::group_read},
      {022, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read},
      {002, perms::owner_read | perms::owner_write | perms::group_read | perms::group_write |
                perms::others_read},
  };
  const mode_t saved = ::umask(022);
  for (const auto& c : cases) {
    for (const auto& [name, write] : writers) {
      SCOPED_TRACE(name);
      test::TempDir dir;
      ::umask(c.umask);
      const std::string path = dir.file("new.txt");
      ASSERT_TRUE(write(path));
      EXPECT_EQ(modeOf(path), c.expected) << "umask " << std::oct << c.umask;
      // An existing file keeps the mode it has.
      std::filesystem::permissions(
          path, perms::owner_read | perms::owner_write | perms::group_read | perms::group_write);
      ASSERT_TRUE(write(path));
      EXPECT_EQ(modeOf(path),
                perms::owner_read | perms::owner_write | perms::group_read | perms::group_write);
      EXPECT_EQ(FilesIn(dir.path()), 1u) << "no temporary file is left behind";
    }
  }
  ::umask(saved);
}

// Every reader refuses what is not a regular file of sensible size, with a
// message, instead of reading forever or taking a folder for an empty file.
TEST(FileIo, ReadersRefuseFoldersDevicesAndHugeFiles) {
  test::TempDir dir;
  const std::string huge = dir.file("huge.txt");
  test::WriteBytes(huge, "");
  std::filesystem::resize_file(huge, kMaxTextFileBytes + 1);  // sparse: costs no disk
  using Read = std::function<std::string(const std::string&)>;
  const std::vector<std::pair<const char*, Read>> readers = {
      {"history import", [](const std::string& p) { return ReadDrawFile(p).error; }},
      {"result file",
       [](const std::string& p) {
         std::string e;
         return ReadFrontResults(p, &e) ? std::string() : e;
       }},
      {"ticket file",
       [](const std::string& p) {
         std::string e;
         return ReadTicketResults(p, &e) ? std::string() : e;
       }},
      {"condition file",
       [](const std::string& p) {
         ConditionSet set;
         return LoadFrontSet(p, set).message;
       }},
  };
  const std::vector<std::pair<std::string, std::string>> inputs = {
      {dir.path(), "这是一个文件夹, 不是文件: "},
      {"/dev/zero", "不是普通文件: "},
      {huge, "文件太大, 不是本程序的文件: "},
  };
  for (const auto& [name, read] : readers)
    for (const auto& [path, message] : inputs) EXPECT_EQ(read(path), message + path) << name;
}

}  // namespace
}  // namespace dlt
