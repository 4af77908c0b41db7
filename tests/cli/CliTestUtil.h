// SPDX-License-Identifier: GPL-3.0-or-later
// Running the built program and handling scratch folders in the command-line tests.
#pragma once
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace clitest {

namespace fs = std::filesystem;

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

inline std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<uint8_t> ReadBytes(const fs::path& p) {
    std::string s = ReadText(p);
    return std::vector<uint8_t>(s.begin(), s.end());
}

inline void WriteBytes(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline fs::path Photo(const std::string& name) { return fs::path(LUMORA_TEST_DATA) / "photos" / name; }

// A fresh folder removed at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "lumora-cli-XXXXXX").string();
        char* made = mkdtemp(tmpl.data());
        if (!made) throw std::runtime_error("mkdtemp failed");
        path_ = made;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_;
};

struct Result {
    int status = -1;
    std::string out, err;
};

// Runs `lumora ARGS` through the shell; prefix goes before the command (limits, variables).
inline Result Lumora(const std::string& args, const std::string& prefix = "") {
    TempDir io;
    const fs::path out = io / "stdout", err = io / "stderr";
    // A hard limit, so a command that never ends fails its test instead of stalling the run.
    std::string cmd = prefix + " timeout -k 5 300 " + Quote(LUMORA_BINARY) + " " + args + " >" +
                      Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
    int raw = std::system(cmd.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0);
    r.out = ReadText(out);
    r.err = ReadText(err);
    return r;
}

inline std::set<std::string> Names(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

inline bool Contains(const std::vector<uint8_t>& hay, const std::string& needle) {
    return std::search(hay.begin(), hay.end(), needle.begin(), needle.end(),
                       [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }) != hay.end();
}

inline int Lines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

}  // namespace clitest

namespace clitest {

// A JPEG segment: marker, then a big-endian length that counts itself.
inline std::vector<uint8_t> Segment(uint8_t marker, const std::string& payload) {
    std::vector<uint8_t> s(payload.size() + 4);
    s[0] = 0xFF;
    s[1] = marker;
    s[2] = static_cast<uint8_t>((payload.size() + 2) >> 8);
    s[3] = static_cast<uint8_t>((payload.size() + 2) & 0xFF);
    std::copy(payload.begin(), payload.end(), s.begin() + 4);
    return s;
}

// A little-endian EXIF block with the camera make and the orientation.
inline std::vector<uint8_t> ExifSegment(int orientation, const std::string& make) {
    std::string t("Exif\0\0", 6);
    auto u16 = [&](int v) { t += static_cast<char>(v & 0xFF); t += static_cast<char>((v >> 8) & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(static_cast<int>(v & 0xFFFF)); u16(static_cast<int>(v >> 16)); };
    t += "II";
    u16(0x2A);
    u32(8);
    u16(2);                                   // two entries
    u16(0x010F); u16(2); u32(static_cast<uint32_t>(make.size() + 1)); u32(38);  // Make, ASCII
    u16(0x0112); u16(3); u32(1); u16(orientation); u16(0);                      // Orientation, SHORT
    u32(0);                                   // no next directory
    t += make;
    t += '\0';
    return Segment(0xE1, t);
}

// jpeg with the given segments placed after its SOI (and after a JFIF APP0 when there is one).
inline std::vector<uint8_t> WithSegments(std::vector<uint8_t> jpeg, const std::vector<std::vector<uint8_t>>& segs) {
    size_t at = 2;
    if (jpeg.size() > 6 && jpeg[2] == 0xFF && jpeg[3] == 0xE0) at = 4 + (jpeg[4] << 8 | jpeg[5]);
    for (auto it = segs.rbegin(); it != segs.rend(); ++it) jpeg.insert(jpeg.begin() + static_cast<long>(at), it->begin(), it->end());
    return jpeg;
}

}  // namespace clitest
