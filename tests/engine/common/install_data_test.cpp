#include "common/install_data.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/test_support.h"

namespace dlt {
namespace {

void MakeInstallFolder(const std::string& dir) {
  for (const char* f : kInstallDataFiles) {
    std::filesystem::create_directories(std::filesystem::path(dir + "/" + f).parent_path());
    test::WriteBytes(dir + "/" + f, std::string("install:") + f);
  }
}

TEST(InstallData, TheFirstCompleteCandidateIsTaken) {
  test::TempDir dir;
  MakeInstallFolder(dir.file("full"));
  std::filesystem::create_directories(dir.file("partial/pic"));
  test::WriteBytes(dir.file("partial/help.htm"), "x");
  EXPECT_EQ(FindInstallDataDir({dir.file("nothing"), dir.file("partial"), dir.file("full")}),
            dir.file("full"));
  EXPECT_EQ(FindInstallDataDir({dir.file("partial")}), "");
}

TEST(InstallData, SeedingCopiesOnlyWhatIsMissing) {
  test::TempDir dir;
  MakeInstallFolder(dir.file("share"));
  std::filesystem::create_directories(dir.file("data/pic"));
  test::WriteBytes(dir.file("data/pic/pic1.bmp"), "the user's own");
  const SeedResult r = SeedDataFolder(dir.file("share"), dir.file("data"));
  EXPECT_TRUE(r.error.empty()) << r.error;
  EXPECT_TRUE(r.missing.empty());
  EXPECT_EQ(r.copied, 6);
  EXPECT_EQ(test::ReadBytes(dir.file("data/pic/pic1.bmp")), "the user's own");
  EXPECT_EQ(test::ReadBytes(dir.file("data/database/lx.hls")), "install:database/lx.hls");
  EXPECT_EQ(SeedDataFolder(dir.file("share"), dir.file("data")).copied, 0) << "second start";
}

// The help page and the layouts copied into a new data folder are the
// user's files like any other: under umask 077 only the owner reads them.
TEST(InstallData, SeededFilesFollowTheUmask) {
  test::TempDir dir;
  MakeInstallFolder(dir.file("share"));
  const mode_t saved = ::umask(077);
  const SeedResult r = SeedDataFolder(dir.file("share"), dir.file("data"));
  ::umask(saved);
  ASSERT_TRUE(r.error.empty()) << r.error;
  using std::filesystem::perms;
  for (const char* f : kInstallDataFiles)
    EXPECT_EQ(std::filesystem::status(dir.file("data/") + f).permissions() & perms::mask,
              perms::owner_read | perms::owner_write)
        << f;
}

TEST(InstallData, WithoutAnInstallationFolderTheFilesAreReportedMissing) {
  test::TempDir dir;
  const SeedResult r = SeedDataFolder("", dir.file("data"));
  EXPECT_EQ(r.copied, 0);
  EXPECT_EQ(r.missing.size(), std::size(kInstallDataFiles));
}

}  // namespace
}  // namespace dlt
