// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/MemoryRoom.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lum {

namespace {

std::atomic<uint64_t> g_roomForTests{kUnknownRoom};

std::string ReadSmallFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::string();
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ParseBytes(const std::string& text, uint64_t& out) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i == text.size() || text[i] < '0' || text[i] > '9') return false;
    uint64_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (v > (UINT64_MAX - 9) / 10) return false;
        v = v * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    out = v;
    return true;
}

// The number after "key" at the start of a line of text; false when there is none.
bool Field(const std::string& text, const std::string& key, uint64_t& out) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        if (line.compare(0, key.size(), key) == 0 && line.size() > key.size() &&
            (line[key.size()] == ' ' || line[key.size()] == ':' || line[key.size()] == '\t'))
            return ParseBytes(line.substr(key.size() + 1), out);
    return false;
}

// Every group from path up to the root, the deepest first.
uint64_t RoomUpTheTree(const std::string& root, std::string path, const char* limitFile, const char* usageFile,
                       const char* inactiveKey) {
    uint64_t room = kUnknownRoom;
    while (true) {
        const std::string dir = root + path;
        const std::string limit = ReadSmallFile(dir + "/" + limitFile);
        if (!limit.empty())
            room = std::min(room, RoomInGroup(limit, ReadSmallFile(dir + "/" + usageFile),
                                              ReadSmallFile(dir + "/memory.stat"), inactiveKey));
        if (path.empty() || path == "/") break;
        const size_t slash = path.rfind('/');
        path = slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
    }
    return room;
}

}  // namespace

uint64_t AvailableFromMeminfo(const std::string& meminfo) {
    uint64_t kb = 0;
    return Field(meminfo, "MemAvailable", kb) ? kb * 1024 : kUnknownRoom;
}

uint64_t RoomInGroup(const std::string& limit, const std::string& usage, const std::string& stat,
                     const char* inactiveFileKey) {
    uint64_t max = 0, used = 0, inactive = 0;
    // "max" (version 2) or a number near 2^63 (version 1) both mean no limit.
    if (!ParseBytes(limit, max) || max >= (uint64_t(1) << 62)) return kUnknownRoom;
    if (!ParseBytes(usage, used)) return kUnknownRoom;
    if (Field(stat, inactiveFileKey, inactive)) used -= std::min(used, inactive);
    return max > used ? max - used : 0;
}

std::string GroupPath(const std::string& procSelfCgroup, bool version2) {
    std::istringstream lines(procSelfCgroup);
    std::string line;
    while (std::getline(lines, line)) {
        // hierarchy-id:controllers:path
        const size_t a = line.find(':'), b = a == std::string::npos ? a : line.find(':', a + 1);
        if (b == std::string::npos) continue;
        const std::string controllers = line.substr(a + 1, b - a - 1);
        bool match = false;
        if (version2) {
            match = line.compare(0, a, "0") == 0 && controllers.empty();
        } else {
            std::istringstream names(controllers);
            std::string name;
            while (std::getline(names, name, ','))
                if (name == "memory") match = true;
        }
        if (match) return line.substr(b + 1);
    }
    return std::string();
}

void RequireRoom(uint64_t bytes, const Words& step) {
    const uint64_t room = MemoryRoom();
    if (room == kUnknownRoom || bytes <= room) return;
    const auto mb = [](uint64_t b) { return std::to_string((b + (1u << 20) - 1) >> 20); };
    throw NotEnoughMemory(Words(QT_TRANSLATE_NOOP("lum", "There is not enough memory to %1: it needs about %2 MB and %3 MB "
                                                       "are free. Close other programs or windows and try again."),
                                {step, mb(bytes), mb(room)}));
}

void SetMemoryRoomForTests(uint64_t bytes) { g_roomForTests = bytes; }

uint64_t MemoryRoom() {
    if (g_roomForTests.load() != kUnknownRoom) return g_roomForTests.load();
    uint64_t room = AvailableFromMeminfo(ReadSmallFile("/proc/meminfo"));
    const std::string groups = ReadSmallFile("/proc/self/cgroup");
    const std::string v2 = GroupPath(groups, true);
    if (!v2.empty())
        for (const char* root : {"/sys/fs/cgroup", "/sys/fs/cgroup/unified"})
            room = std::min(room, RoomUpTheTree(root, v2, "memory.max", "memory.current", "inactive_file"));
    const std::string v1 = GroupPath(groups, false);
    if (!v1.empty())
        room = std::min(room, RoomUpTheTree("/sys/fs/cgroup/memory", v1, "memory.limit_in_bytes",
                                            "memory.usage_in_bytes", "total_inactive_file"));
    return room;
}

}  // namespace lum
