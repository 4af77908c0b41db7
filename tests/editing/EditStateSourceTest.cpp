// SPDX-License-Identifier: GPL-3.0-or-later
// The file a picture stands for: a save over it finds out whether another program changed or
// replaced it since it was read or last written.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "editing/EditState.h"

using namespace lum;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path;
    Folder() {
        std::string t = (fs::temp_directory_path() / "lumora-source-XXXXXX").string();
        EXPECT_NE(mkdtemp(t.data()), nullptr);
        path = t;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

}  // namespace

TEST(EditStateSource, ChangedOnDiskSeesAnotherProgramsChangesOnly) {
    Folder dir;
    const std::string photo = dir / "photo.jpg", other = dir / "other.jpg";
    Write(photo, "as opened");
    Write(other, "another photo");
    EditState st;
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));  // no file stands behind the picture yet
    st.file.TookSource(photo, IdentityOf(photo));
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));
    EXPECT_FALSE(st.file.ChangedOnDisk(other));  // another file: the ordinary question is enough

    // Written into in place: the same file, another version; through a link or a relative
    // path it is still the source.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream(photo, std::ios::app) << ", then edited";
    EXPECT_TRUE(st.file.ChangedOnDisk(photo));
    fs::create_symlink(photo, dir / "link.jpg");
    EXPECT_TRUE(st.file.ChangedOnDisk(dir / "link.jpg"));
    EXPECT_TRUE(st.file.ChangedOnDisk(dir.path.string() + "/./photo.jpg"));
    EXPECT_FALSE(st.file.ChangedOnDisk(other));

    // What this picture wrote itself is its new source.
    st.file.TookSource(photo, IdentityOf(photo));
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));
    // Replaced by a newer file (saved by another program as a new file renamed over it).
    Write(dir / "newer.jpg", "newer");
    fs::rename(dir / "newer.jpg", photo);
    EXPECT_TRUE(st.file.ChangedOnDisk(photo));
    // Gone: nothing left to lose.
    fs::remove(photo);
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));

    // A new picture stands for no file; neither does the start-up logo.
    Write(photo, "again");
    st.file.TookSource(photo, IdentityOf(photo));
    Write(photo, "changed again, longer");
    EXPECT_TRUE(st.file.ChangedOnDisk(photo));
    st.file.TookNewPicture();
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));
    st.file.TookSource(photo, FileIdentity());  // read from memory, or the file could not be seen
    EXPECT_FALSE(st.file.ChangedOnDisk(photo));
}
