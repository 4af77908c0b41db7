// SPDX-License-Identifier: GPL-3.0-or-later
// How much more memory the program can take before the system, or the control group it runs in,
// has none left to give. A step that needs several full-size copies of a big photo checks it
// first and is refused with a message: where memory is limited by a control group the system
// stops a program that goes beyond, it never sees an allocation fail.
#pragma once
#include <cstdint>
#include <new>
#include <string>

#include "image/Translatable.h"

namespace lum {

constexpr uint64_t kUnknownRoom = UINT64_MAX;

// The system's available memory within every limit of the program's control groups (version 2,
// or version 1's memory controller); kUnknownRoom when nothing can be read.
uint64_t MemoryRoom();
// Tests stand in for a machine short of memory: the room MemoryRoom() gives from now on
// (kUnknownRoom: what the system says again).
void SetMemoryRoomForTests(uint64_t bytes);

// A step refused because the memory it needs is not there; words() is the user's message, what()
// its English.
class NotEnoughMemory : public std::bad_alloc {
public:
    explicit NotEnoughMemory(Words words) : words_(std::move(words)), english_(words_.English()) {}
    const char* what() const noexcept override { return english_.c_str(); }
    const Words& words() const { return words_; }

private:
    Words words_;
    std::string english_;
};

// Throws NotEnoughMemory (saying what `step` is, e.g. "open the compare window", a marked text)
// when `bytes` more do not fit in MemoryRoom().
void RequireRoom(uint64_t bytes, const Words& step);

// The pieces, from the text of the files they read. kUnknownRoom where the text says nothing.
uint64_t AvailableFromMeminfo(const std::string& meminfo);  // MemAvailable
// A group's limit ("max" or bytes) less what it uses, its inactive file cache counting as free.
uint64_t RoomInGroup(const std::string& limit, const std::string& usage, const std::string& stat,
                     const char* inactiveFileKey);
// The group of the program in /proc/self/cgroup: the version 2 entry ("0::/path"), or the one of
// version 1's memory controller. Empty when there is none.
std::string GroupPath(const std::string& procSelfCgroup, bool version2);

}  // namespace lum
