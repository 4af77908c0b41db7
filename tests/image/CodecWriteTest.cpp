// SPDX-License-Identifier: GPL-3.0-or-later
// Atomic writes: nothing left behind by a killed writer, every valid name, links written through.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "CodecTestSupport.h"
#include "image/CodecInternal.h"
#include "image/FileIdentity.h"

using namespace lum;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path;
    Folder() {
        std::string t = (fs::temp_directory_path() / "lumora-write-XXXXXX").string();
        EXPECT_NE(mkdtemp(t.data()), nullptr);
        path = t;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Outcome(const std::string& path, const std::string& text,
                    detail::TempFile how = detail::TempFile::Unnamed) {
    try {
        detail::WriteFileAtomic(path, Bytes(text), how);
    } catch (const CodecError& e) {
        return e.what();
    }
    return "written";
}

// Whether process pid holds a file of folder open for writing.
bool WritesInto(pid_t pid, const fs::path& folder) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        std::error_code lec;
        const std::string to = fs::read_symlink(e.path(), lec).string();
        if (!lec && to.rfind(folder.string() + "/", 0) == 0) return true;
    }
    return false;
}

}  // namespace

TEST(CodecWrite, NamesUpToTheLongestTheSystemAllowsAreWrittenBothWays) {
    Folder dir;
    for (auto how : {detail::TempFile::Unnamed, detail::TempFile::Named}) {
        for (size_t length : {size_t(1), size_t(200), size_t(247), size_t(248), size_t(251), size_t(255)}) {
            SCOPED_TRACE(std::to_string(length) + (how == detail::TempFile::Named ? " named" : " unnamed"));
            const std::string name = length < 5 ? std::string(length, 'n') : std::string(length - 4, 'n') + ".jpg";
            ASSERT_EQ(name.size(), length);
            EXPECT_EQ(Outcome(dir / name, "first", how), "written");
            EXPECT_EQ(Outcome(dir / name, "second", how), "written");  // over an existing file
            EXPECT_EQ(Text(dir / name), "second");
            EXPECT_EQ(dir.names(), std::vector<std::string>{name});
            fs::remove(dir / name);
        }
    }
    // One byte more is refused by the system, and nothing is left behind.
    EXPECT_EQ(Outcome(dir / std::string(256, 'n'), "x"),
              "Cannot write \"" + (dir / std::string(256, 'n')) + "\": " + std::strerror(ENAMETOOLONG));
    EXPECT_TRUE(dir.names().empty());
}

TEST(CodecWrite, AWriterKilledWhileWritingLeavesOnlyTheOriginal) {
    for (bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "replacing" : "new file");
        Folder dir;
        const std::string target = dir / "photo.jpg";
        if (existing) std::ofstream(target) << "original";
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Big enough that the write and its flush outlast the parent's look.
            try {
                std::vector<uint8_t> big(size_t(256) << 20, 0x5A);
                WriteFileAtomic(target, big);
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        bool seen = false;
        for (int i = 0; i < 200000 && !seen; ++i) {
            seen = WritesInto(child, dir.path);
            if (!seen) std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(seen) << "the write was never seen under way";
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer finished before it could be stopped";
        EXPECT_EQ(dir.names(), existing ? std::vector<std::string>{"photo.jpg"} : std::vector<std::string>{});
        if (existing) {
            EXPECT_EQ(Text(target), "original");
        }
    }
}

TEST(CodecWrite, LinksAreWrittenThroughEvenToAFileNotThereYet) {
    Folder dir;
    fs::create_directory(dir / "real");
    // A dangling link (relative), and a chain ending in one.
    fs::create_symlink("real/photo.jpg", dir / "link.jpg");
    fs::create_symlink(dir / "link.jpg", dir / "chain.jpg");
    for (auto how : {detail::TempFile::Unnamed, detail::TempFile::Named}) {
        fs::remove(dir / "real/photo.jpg");
        EXPECT_EQ(Outcome(dir / "chain.jpg", "through two links", how), "written");
        EXPECT_EQ(Text(dir / "real/photo.jpg"), "through two links");
        EXPECT_TRUE(fs::is_symlink(dir / "link.jpg"));
        EXPECT_TRUE(fs::is_symlink(dir / "chain.jpg"));
        EXPECT_EQ(Outcome(dir / "link.jpg", "again", how), "written");
        EXPECT_EQ(Text(dir / "real/photo.jpg"), "again");
        EXPECT_EQ(IdentityOf(dir / "link.jpg").inode, IdentityOf(dir / "real/photo.jpg").inode);
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"chain.jpg", "link.jpg", "real"}));

    // A link into a folder that does not exist: refused, saying where it points; the link stays.
    fs::create_symlink(dir / "gone/photo.jpg", dir / "stray.jpg");
    EXPECT_EQ(Outcome(dir / "stray.jpg", "x"), "Cannot write \"" + (dir / "stray.jpg") + "\" (a link to \"" +
                                                  (dir / "gone/photo.jpg") + "\"): " + std::strerror(ENOENT));
    EXPECT_TRUE(fs::is_symlink(dir / "stray.jpg"));
    // Links in a loop.
    fs::create_symlink("loop-b.jpg", dir / "loop-a.jpg");
    fs::create_symlink("loop-a.jpg", dir / "loop-b.jpg");
    EXPECT_NE(Outcome(dir / "loop-a.jpg", "x").find(std::strerror(ELOOP)), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir / "loop-a.jpg"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"chain.jpg", "link.jpg", "loop-a.jpg", "loop-b.jpg", "real",
                                                     "stray.jpg"}));
}

TEST(CodecWrite, IdentityTellsTheSameFileByAnyPathAndSeesItReplaced) {
    Folder dir;
    WriteFileAtomic(dir / "a.jpg", Bytes("one"));
    fs::create_symlink("a.jpg", dir / "link.jpg");
    fs::create_hard_link(dir / "a.jpg", dir / "hard.jpg");
    const FileIdentity a = IdentityOf(dir / "a.jpg");
    ASSERT_TRUE(a.exists);
    EXPECT_TRUE(a.sameVersion(IdentityOf(dir / "link.jpg")));
    EXPECT_TRUE(a.sameFile(IdentityOf(dir / "hard.jpg")));
    EXPECT_TRUE(a.sameFile(IdentityOf(dir.path.string() + "/../" + dir.path.filename().string() + "/./a.jpg")));
    EXPECT_FALSE(a.sameFile(IdentityOf(dir / "missing.jpg")));
    EXPECT_FALSE(IdentityOf(dir / "missing.jpg").sameFile(IdentityOf(dir / "missing.jpg")));

    // Replaced by another program: another file under the same name.
    WriteFileAtomic(dir / "a.jpg", Bytes("two"));
    EXPECT_FALSE(a.sameFile(IdentityOf(dir / "a.jpg")));
    // Written in place: the same file, another version.
    const FileIdentity b = IdentityOf(dir / "a.jpg");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream(dir / "a.jpg", std::ios::app) << "more";
    EXPECT_TRUE(b.sameFile(IdentityOf(dir / "a.jpg")));
    EXPECT_FALSE(b.sameVersion(IdentityOf(dir / "a.jpg")));
    // The loader records the file it read.
    const LoadedPicture pic = LoadPicture(codec_test::DataPath("photos/rocket.jpg"));
    EXPECT_TRUE(pic.source.sameVersion(IdentityOf(codec_test::DataPath("photos/rocket.jpg"))));
}

TEST(CodecWrite, WritersInParallelGiveNewFilesTheUsualModeAndLeaveTheUmask) {
    // The batch writes photos from several threads at once; a writer that set the umask aside
    // for a moment let another thread's file, or the process, keep the wrong one.
    Folder dir;
    const mode_t mask = umask(022);
    std::vector<std::thread> writers;
    for (int t = 0; t < 8; ++t)
        writers.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) WriteFileAtomic(dir / (std::to_string(t) + "-" + std::to_string(i)), Bytes("x"));
        });
    for (std::thread& w : writers) w.join();
    const mode_t after = umask(mask);
    EXPECT_EQ(after, 022u);
    int wrong = 0;
    for (const std::string& name : dir.names()) {
        struct stat st {};
        ASSERT_EQ(stat((dir / name).c_str(), &st), 0);
        wrong += (st.st_mode & 07777) != 0644;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(dir.names().size(), 1600u);
}
