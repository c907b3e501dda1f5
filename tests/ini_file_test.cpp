// The settings-file layer: reading numbers, rewriting keys in place, and bad files.
#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class IniTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tovuka_ini_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        path = (fs::path(dir) / "key_sikii.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void Put(const std::string& content) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
    }
    std::string Get() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    int Files() const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
            ++n;
        return n;
    }
    int32_t Read(const char* section = "player1_ctrl_mode", const char* key = "key_dis") {
        return GetPrivateProfileInt(section, key, 1800, path);
    }

    std::string dir;
    std::string path;
};

}  // namespace

// ---- reading ----

TEST_F(IniTest, MissingFileSectionKeyOrValueGiveTheDefault) {
    EXPECT_EQ(Read(), 1800);
    Put("[other]\nkey_dis=5\n");
    EXPECT_EQ(Read(), 1800);
    Put("[player1_ctrl_mode]\nkey_di=5\nkey_dis_x=6\n");
    EXPECT_EQ(Read(), 1800);
    Put("[player1_ctrl_mode]\nkey_dis=\n");
    EXPECT_EQ(Read(), 1800);
    Put("[player1_ctrl_mode]\nkey_dis=   \n");
    EXPECT_EQ(Read(), 1800);
    EXPECT_EQ(GetPrivateProfileInt("s", "k", -7, ""), -7);
    EXPECT_EQ(GetPrivateProfileInt(nullptr, "k", 3, path), 3);
}

TEST_F(IniTest, ValuesParseLikeTheOldCall) {
    const std::pair<const char*, int32_t> cases[] = {
        {"123", 123},
        {"  45  ", 45},
        {"\t9", 9},
        {"-12", -12},
        {"+8", 8},
        {"12abc", 12},
        {"1 2", 1},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"007", 7},
        {"\"300\"", 300},
        {"'-4'", -4},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"99999999999999999999999", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (auto [text, expected] : cases) {
        Put(std::string("[player1_ctrl_mode]\nkey_dis=") + text + "\n");
        EXPECT_EQ(Read(), expected) << text;
    }
}

TEST_F(IniTest, NamesAreCaseInsensitiveAndTrimmed) {
    Put("; settings\n  [ Player1_CTRL_Mode ]  \n\t KEY_Dis \t=\t2222\n");
    EXPECT_EQ(Read(), 2222);
    EXPECT_EQ(Read("PLAYER1_CTRL_MODE", "Key_Dis"), 2222);
    EXPECT_EQ(Read(" player1_ctrl_mode ", " key_dis "), 2222);
}

TEST_F(IniTest, OnlyTheRightSectionCountsAndTheFirstKeyWins) {
    Put("key_dis=1\n"  // before any section
        "[player2_ctrl_mode]\nkey_dis=2\n"
        "[player1_ctrl_mode]\n;key_dis=3\nkey_dis=4\nkey_dis=5\n"
        "[player1_ctrl_mode]\nkey_dis=6\nother=7\n");
    EXPECT_EQ(Read(), 4);
    EXPECT_EQ(Read("player1_ctrl_mode", "other"), 7);  // a repeated section continues it
    EXPECT_EQ(Read("player2_ctrl_mode", "key_dis"), 2);
}

TEST_F(IniTest, CrLfAndMissingFinalNewline) {
    Put("[player1_ctrl_mode]\r\nkey_dis=2500\r\nnext=3");
    EXPECT_EQ(Read(), 2500);
    EXPECT_EQ(Read("player1_ctrl_mode", "next"), 3);
}

TEST_F(IniTest, GarbageDoesNotHurt) {
    std::mt19937 gen(1234);
    std::string junk(200000, '\0');
    for (char& c : junk)
        c = static_cast<char>(gen() & 0xFF);
    Put(junk);
    const int32_t v = Read();  // anything, as long as it returns
    (void)v;

    // Junk, NUL bytes and a 2 MB line around a good entry.
    std::string mixed = junk + "\n[player1_ctrl_mode]\n" + std::string(2 << 20, 'x') + "\n" +
                        std::string("a\0b=1\n", 6) + "key_dis=321\n" + junk;
    Put(mixed);
    EXPECT_EQ(Read(), 321);
}

TEST_F(IniTest, DirectoryOrPipeInPlaceOfTheFile) {
    fs::create_directory(path);
    EXPECT_EQ(Read(), 1800);
    EXPECT_FALSE(WritePrivateProfileString("player1_ctrl_mode", "key_dis", "5", path));
    EXPECT_TRUE(fs::is_directory(path));
    fs::remove(path);

    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(Read(), 1800);  // returns at once instead of waiting for a writer
    EXPECT_FALSE(WritePrivateProfileString("player1_ctrl_mode", "key_dis", "5", path));
}

TEST_F(IniTest, OversizedFileIsNotRead) {
    std::string big = "[player1_ctrl_mode]\nkey_dis=5\n";
    big.resize(kMaxIniBytes + 1, ';');
    Put(big);
    EXPECT_EQ(Read(), 1800);
    EXPECT_FALSE(WritePrivateProfileString("player1_ctrl_mode", "key_dis", "6", path));
    EXPECT_EQ(fs::file_size(path), kMaxIniBytes + 1);
}

// ---- writing ----

TEST_F(IniTest, CreatesFileSectionAndKey) {
    ASSERT_TRUE(WritePrivateProfileString("player1_ctrl_mode", "key_dis", "2000", path));
    EXPECT_EQ(Get(), "[player1_ctrl_mode]\nkey_dis=2000\n");
    EXPECT_EQ(Read(), 2000);
    EXPECT_EQ(Files(), 1) << "no temporary file left behind";
}

TEST_F(IniTest, RewritesInPlaceKeepingEverythingElse) {
    Put("; pad settings\n"
        "[Player1_Ctrl_Mode]\n"
        "  Key_Dis =  1800   \n"
        "other=1\n"
        "\n"
        "; second player\n"
        "[player2_ctrl_mode]\n"
        "key_dis=900\n");
    ASSERT_TRUE(WritePrivateProfileString("player1_ctrl_mode", "KEY_DIS", "2500", path));
    EXPECT_EQ(Get(),
              "; pad settings\n"
              "[Player1_Ctrl_Mode]\n"
              "  Key_Dis =  2500\n"
              "other=1\n"
              "\n"
              "; second player\n"
              "[player2_ctrl_mode]\n"
              "key_dis=900\n");

    ASSERT_TRUE(WritePrivateProfileString("player1_ctrl_mode", "added", "x", path));
    ASSERT_TRUE(WritePrivateProfileString("new_section", "k", "v w", path));
    EXPECT_EQ(Get(),
              "; pad settings\n"
              "[Player1_Ctrl_Mode]\n"
              "  Key_Dis =  2500\n"
              "other=1\n"
              "added=x\n"
              "\n"
              "; second player\n"
              "[player2_ctrl_mode]\n"
              "key_dis=900\n"
              "[new_section]\n"
              "k=v w\n");
    EXPECT_EQ(Files(), 1);
}

TEST_F(IniTest, KeyIntoAnEmptySectionAndAFileWithoutFinalNewline) {
    Put("[a]\n[b]\nx=1");
    ASSERT_TRUE(WritePrivateProfileString("a", "k", "1", path));
    ASSERT_TRUE(WritePrivateProfileString("b", "y", "2", path));
    EXPECT_EQ(Get(), "[a]\nk=1\n[b]\nx=1\ny=2\n");

    Put("[a]\nk=1");
    ASSERT_TRUE(WritePrivateProfileString("c", "z", "3", path));
    EXPECT_EQ(Get(), "[a]\nk=1\n[c]\nz=3\n");

    Put("[a]\nk=1");
    ASSERT_TRUE(WritePrivateProfileString("a", "k", "2", path));
    EXPECT_EQ(Get(), "[a]\nk=2");
}

TEST_F(IniTest, CrLfFilesStayCrLf) {
    Put("[a]\r\nk=1\r\n");
    ASSERT_TRUE(WritePrivateProfileString("a", "k", "22", path));
    ASSERT_TRUE(WritePrivateProfileString("a", "m", "3", path));
    ASSERT_TRUE(WritePrivateProfileString("b", "n", "4", path));
    EXPECT_EQ(Get(), "[a]\r\nk=22\r\nm=3\r\n[b]\r\nn=4\r\n");
}

TEST_F(IniTest, RefusesWhatWouldBreakTheFile) {
    Put("[a]\nk=1\n");
    const struct {
        const char *section, *key, *value;
    } bad[] = {
        {"a", "k", "1\n[evil]"}, {"a", "k", "1\r"},   {"a\n", "k", "1"},   {"a", "k\nx", "1"},
        {"a]", "k", "1"},        {"a", "k=x", "1"},   {"", "k", "1"},      {"a", " ", "1"},
        {nullptr, "k", "1"},     {"a", nullptr, "1"}, {"a", "k", nullptr}, {"a", ";k", "1"},
    };
    for (const auto& b : bad)
        EXPECT_FALSE(WritePrivateProfileString(b.section, b.key, b.value, path))
            << (b.section ? b.section : "null") << "/" << (b.key ? b.key : "null");
    EXPECT_EQ(Get(), "[a]\nk=1\n");
}

TEST_F(IniTest, UnwritablePlaces) {
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "1", dir + "/missing/dir/x.ini"));
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "1", "/proc/tovuka_test.ini"));
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "1", ""));
}

TEST_F(IniTest, KeepsPermissions) {
    Put("[a]\nk=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WritePrivateProfileString("a", "k", "2", path));
    EXPECT_EQ(Get(), "[a]\nk=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A link could point at any file of the player's (or at /etc/passwd for root): it is
// read through, never written through, and never replaced.
TEST_F(IniTest, NeverWritesThroughALinkOrIntoAnythingButAFile) {
    Put("[a]\nk=1\n");
    const std::string link = dir + "/link.ini";
    fs::create_symlink(path, link);
    EXPECT_EQ(GetPrivateProfileInt("a", "k", 0, link), 1);
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "2", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Get(), "[a]\nk=1\n");
    const std::string dangling = dir + "/dangling.ini";
    fs::create_symlink(dir + "/nowhere.ini", dangling);
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "2", dangling));
    EXPECT_FALSE(fs::exists(dir + "/nowhere.ini"));
    const std::string fifo = dir + "/fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(GetPrivateProfileInt("a", "k", 7, fifo), 7) << "never waited on";
    EXPECT_FALSE(WritePrivateProfileString("a", "k", "2", fifo));
    fs::create_symlink("/dev/zero", dir + "/zero.ini");
    EXPECT_EQ(GetPrivateProfileInt("a", "k", 7, dir + "/zero.ini"), 7) << "not a gigabyte read";
}

// Editors on some systems start a UTF-8 file with a byte-order mark; the first section is
// still found, and a write keeps the mark and adds no second copy of the section.
TEST_F(IniTest, AByteOrderMarkIsNotPartOfTheFirstSection) {
    Put("\xEF\xBB\xBF[display_mode]\r\ndisp_mode=1\r\n");
    EXPECT_EQ(GetPrivateProfileInt("display_mode", "disp_mode", 0, path), 1);
    ASSERT_TRUE(WritePrivateProfileString("display_mode", "disp_mode", "0", path));
    EXPECT_EQ(Get(), "\xEF\xBB\xBF[display_mode]\r\ndisp_mode=0\r\n");
    ASSERT_TRUE(WritePrivateProfileString("music_mode", "music_mode", "2", path));
    EXPECT_EQ(Get(),
              "\xEF\xBB\xBF[display_mode]\r\ndisp_mode=0\r\n[music_mode]\r\nmusic_mode=2\r\n");
}

// ---- paths and the dead zone ----

TEST_F(IniTest, FullPathAndDeadZoneFollowTheCurrentDirectory) {
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    const std::string here = fs::current_path().string();
    EXPECT_EQ(FullPathOf("key_sikii.ini"), here + "/key_sikii.ini");
    EXPECT_EQ(FullPathOf("./sub/../key_sikii.ini"), here + "/key_sikii.ini");
    EXPECT_EQ(FullPathOf("/etc/x.ini"), "/etc/x.ini");
    EXPECT_EQ(FullPathOf(""), "");

    EXPECT_EQ(ReadPadDeadZone(), 1800);
    Put("[player1_ctrl_mode]\nkey_dis=3000\n");
    EXPECT_EQ(ReadPadDeadZone(), 3000);
    fs::current_path(old);
}

TEST_F(IniTest, TextValuesReadTrimmedWithoutTheirQuotes) {
    Put("[net]\naddress =  \"host.example\"  \nother=plain text\nempty=\n");
    EXPECT_EQ(GetPrivateProfileString("net", "address", "d", path), "host.example");
    EXPECT_EQ(GetPrivateProfileString("NET", "other", "d", path), "plain text");
    EXPECT_EQ(GetPrivateProfileString("net", "empty", "d", path), "");
    EXPECT_EQ(GetPrivateProfileString("net", "missing", "d", path), "d");
    EXPECT_EQ(GetPrivateProfileString("none", "address", "d", path), "d");
}
