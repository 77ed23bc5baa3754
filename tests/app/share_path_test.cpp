#include <gtest/gtest.h>

#include <filesystem>

#include "app/share_path.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SharePathTest, CandidatesMostLikelyFirst) {
    const app::ShareEnvironment env{"/run/user/1000", "/home/kz"};
    EXPECT_EQ(app::shareCandidates("Server1", "\\CrcData\\", env),
              (std::vector<std::string>{"/run/user/1000/gvfs/smb-share:server=server1,share=crcdata/",
                                        "/mnt/Server1/CrcData/", "/media/Server1/CrcData/"}));
    EXPECT_EQ(app::shareCandidates("localhost", "\\CrcData\\2026\\", env).front(),
              "/home/kz/CrcData/2026/");
    EXPECT_EQ(app::shareCandidates("127.0.0.1", "\\CrcData\\", env)[1], "/srv/CrcData/");
    EXPECT_TRUE(app::shareCandidates("host", "\\\\", env).empty());
}

TEST(SharePathTest, ResolvesToAnExistingMount) {
    testing_support::TempDir dir;
    const app::ShareEnvironment env{dir.path().string(), "/nonexistent"};
    const auto mount = dir.path() / "gvfs" / "smb-share:server=pc2,share=data";
    std::filesystem::create_directories(mount);
    EXPECT_EQ(app::resolveShare("PC2", "\\Data\\", env), mount.string() + "/");
    EXPECT_EQ(app::resolveShare("PC3", "\\Data\\", env),
              dir.path().string() + "/gvfs/smb-share:server=pc3,share=data/");
}

}  // namespace
