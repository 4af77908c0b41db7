// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and atomically writing files, format sniffing and the picture loader.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CodecTestSupport.h"
#include "image/CodecInternal.h"

using namespace lum;
using namespace codec_test;
namespace fs = std::filesystem;

namespace {

class TempDir {
public:
    TempDir() {
        std::string t = (fs::temp_directory_path() / "lumora-codec-XXXXXX").string();
        char* made = mkdtemp(t.data());
        EXPECT_NE(made, nullptr);
        path_ = t;
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Everything in the folder, to catch temporary files left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path_)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    fs::path path_;
};

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> b = ReadFileBytes(path);
    return std::string(b.begin(), b.end());
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

std::string WriteError(const std::string& path, const std::vector<uint8_t>& bytes) {
    try {
        WriteFileAtomic(path, bytes);
    } catch (const CodecError& e) {
        return e.what();
    }
    return "written";
}

}  // namespace

TEST(CodecFile, ReadFileBytesReadsWholeFilesAndNamesFailures) {
    TempDir dir;
    std::string text(100000, 'x');
    text += "end";
    WriteText(dir.file("a.bin"), text);
    EXPECT_EQ(ReadText(dir.file("a.bin")), text);
    WriteText(dir.file("empty"), "");
    EXPECT_TRUE(ReadFileBytes(dir.file("empty")).empty());

    try {
        ReadFileBytes(dir.file("missing.jpg"));
        FAIL();
    } catch (const CodecError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open \"" + dir.file("missing.jpg") + "\": " + std::strerror(ENOENT));
    }
    EXPECT_THROW(ReadFileBytes(dir.file("")), CodecError);  // the folder itself
}

TEST(CodecFile, OnlyRegularFilesAreRead) {
    TempDir dir;
    // A pipe nobody writes to: opening it for reading the plain way would wait forever, so the
    // test finishing at all is the proof (ctest's time limit guards it).
    const std::string fifo = dir.file("photo.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> special[] = {{fifo, "a named pipe"}, {"/dev/zero", "a character device"}};
    for (const auto& [path, kind] : special) {
        try {
            ReadFileBytes(path);
            ADD_FAILURE() << path << " read";
        } catch (const CodecError& e) {
            EXPECT_EQ(std::string(e.what()), "\"" + path + "\" is " + kind + ", not a regular photo file");
        }
        EXPECT_THROW(LoadPicture(path), CodecError);
    }
}

TEST(CodecFile, SizeIsCheckedBeforeReading) {
    TempDir dir;
    // Sparse: three gigabytes on paper, nothing on disk, and nothing may be allocated for it.
    const std::string big = dir.file("big.jpg");
    {
        std::ofstream(big, std::ios::binary) << "x";
    }
    ASSERT_EQ(truncate(big.c_str(), 3LL << 30), 0);
    try {
        ReadFileBytes(big);
        FAIL();
    } catch (const CodecError& e) {
        EXPECT_EQ(std::string(e.what()), "File too large: \"" + big + "\" (the limit is 2 GB)");
    }
    WriteText(dir.file("ten"), "0123456789");
    EXPECT_EQ(detail::ReadRegularFile(dir.file("ten"), 10).size(), 10u);
    EXPECT_THROW(detail::ReadRegularFile(dir.file("ten"), 9), CodecError);
    // A file whose size says nothing (the kernel's own files claim 0 bytes) is read as it grows,
    // never past the limit.
    const std::vector<uint8_t> status = detail::ReadRegularFile("/proc/self/status", 1 << 20);
    EXPECT_GT(status.size(), 64u);
    EXPECT_THROW(detail::ReadRegularFile("/proc/self/status", 16), CodecError);
}

TEST(CodecFile, WriteFileAtomicCreatesAndReplaces) {
    TempDir dir;
    const std::string target = dir.file("photo.jpg");
    WriteFileAtomic(target, Bytes("first"));
    EXPECT_EQ(ReadText(target), "first");
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(ModeOf(target), 0666 & ~mask);

    // Replacing keeps the permissions the user gave the file.
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    WriteFileAtomic(target, Bytes("second, longer"));
    EXPECT_EQ(ReadText(target), "second, longer");
    EXPECT_EQ(ModeOf(target), 0640u);
    WriteFileAtomic(target, {});
    EXPECT_EQ(ReadText(target), "");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"photo.jpg"});
}

TEST(CodecFile, WriteThroughALinkReplacesTheLinkedFile) {
    TempDir dir;
    WriteText(dir.file("real.jpg"), "old");
    fs::create_symlink(dir.file("real.jpg"), dir.file("link.jpg"));
    WriteFileAtomic(dir.file("link.jpg"), Bytes("new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.jpg")));
    EXPECT_EQ(ReadText(dir.file("real.jpg")), "new");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.jpg", "real.jpg"}));
}

TEST(CodecFile, FailedWriteLeavesTheFolderAsItWas) {
    TempDir dir;
    // A folder where the file should go.
    fs::create_directory(dir.file("taken.jpg"));
    WriteText(dir.file("taken.jpg/inside"), "keep");
    EXPECT_EQ(WriteError(dir.file("taken.jpg"), Bytes("data")),
              "Cannot write \"" + dir.file("taken.jpg") + "\": " + std::strerror(EISDIR));
    EXPECT_EQ(ReadText(dir.file("taken.jpg/inside")), "keep");
    // A folder that does not exist.
    EXPECT_EQ(WriteError(dir.file("nowhere/a.jpg"), Bytes("data")),
              "Cannot write \"" + dir.file("nowhere/a.jpg") + "\": " + std::strerror(ENOENT));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"taken.jpg"});
    EXPECT_THROW(WriteFileAtomic("", Bytes("x")), CodecError);
    // A pipe (or a device) in the way is not replaced by a file.
    ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);
    EXPECT_EQ(WriteError(dir.file("pipe.jpg"), Bytes("data")),
              "Cannot write \"" + dir.file("pipe.jpg") + "\": it is a named pipe, not a regular file");
    struct stat st {};
    ASSERT_EQ(lstat(dir.file("pipe.jpg").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"pipe.jpg", "taken.jpg"}));
}

TEST(CodecFile, UnwritableFolderLeavesTheOriginalUntouched) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    fs::create_directory(dir.file("locked"));
    const std::string target = dir.file("locked/photo.jpg");
    WriteText(target, "original");
    ASSERT_EQ(chmod(dir.file("locked").c_str(), 0555), 0);
    EXPECT_THROW(WriteFileAtomic(target, Bytes("replacement")), CodecError);
    EXPECT_EQ(ReadText(target), "original");
}

TEST(CodecFile, WriteFailingHalfWayLeavesTheOriginalUntouched) {
    TempDir dir;
    const std::string target = dir.file("photo.jpg");
    WriteText(target, "original");
    // A file size limit makes the write itself fail (EFBIG), as a full disk would.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string msg = WriteError(target, std::vector<uint8_t>(100000, 1));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(msg, "Cannot write \"" + target + "\": " + std::strerror(EFBIG));
    EXPECT_EQ(ReadText(target), "original");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"photo.jpg"});
}

TEST(CodecFile, SniffingGoesByContent) {
    const uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
    const uint8_t bmp[] = {'B', 'M', 0};
    const uint8_t other[] = {0xFF, 0xD8, 0x00, 'B'};
    EXPECT_EQ(SniffFormat(jpeg, 3), FileFormat::Jpeg);
    EXPECT_EQ(SniffFormat(jpeg, 2), FileFormat::Unknown);
    EXPECT_EQ(SniffFormat(bmp, 2), FileFormat::Bmp);
    EXPECT_EQ(SniffFormat(bmp, 1), FileFormat::Unknown);
    EXPECT_EQ(SniffFormat(other, 4), FileFormat::Unknown);
    EXPECT_EQ(SniffFormat(nullptr, 0), FileFormat::Unknown);
}

TEST(CodecFile, LoadPictureReadsJpegAndBmpWhateverTheName) {
    TempDir dir;
    Image img = Gradient(30, 20);
    WriteFileAtomic(dir.file("really-a-bmp.jpg"), EncodeBmp(img));
    LoadedPicture bmp = LoadPicture(dir.file("really-a-bmp.jpg"));
    EXPECT_EQ(bmp.format, FileFormat::Bmp);
    EXPECT_EQ(bmp.image, img);
    EXPECT_TRUE(bmp.metadata.segments.empty());
    EXPECT_EQ(bmp.metadata.density, (PixelDensity{PixelDensity::PerInch, 72, 72}));  // as written

    LoadedPicture photo = LoadPicture(DataPath("photos/rocket.jpg"));
    EXPECT_EQ(photo.format, FileFormat::Jpeg);
    EXPECT_EQ(photo.image.width(), 640);
    EXPECT_EQ(photo.image.height(), 427);

    WriteText(dir.file("notes.jpg"), "just some text");
    try {
        LoadPicture(dir.file("notes.jpg"));
        FAIL();
    } catch (const CodecError& e) {
        EXPECT_EQ(std::string(e.what()), "Unknown picture format");
    }
    WriteText(dir.file("empty.jpg"), "");
    EXPECT_THROW(LoadPicture(dir.file("empty.jpg")), CodecError);
    // A JPEG failure keeps its own type through the loader.
    std::vector<uint8_t> broken = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x03, 0x00};
    EXPECT_THROW(LoadPictureFromMemory(broken.data(), broken.size()), JpegError);
}

TEST(CodecFile, BmpExtensionIgnoresCaseAndFolders) {
    EXPECT_TRUE(HasBmpExtension("a.bmp"));
    EXPECT_TRUE(HasBmpExtension("/photos/A.BMP"));
    EXPECT_TRUE(HasBmpExtension("x.Bmp"));
    EXPECT_TRUE(HasBmpExtension(".bmp"));
    EXPECT_FALSE(HasBmpExtension("a.bmp.jpg"));
    EXPECT_FALSE(HasBmpExtension("bmp"));
    EXPECT_FALSE(HasBmpExtension("/photos/dir.bmp/file"));
    EXPECT_FALSE(HasBmpExtension("a.jpeg"));
    EXPECT_FALSE(HasBmpExtension("a.bmpx"));
    EXPECT_FALSE(HasBmpExtension(""));
}
