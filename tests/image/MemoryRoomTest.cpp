// SPDX-License-Identifier: GPL-3.0-or-later
// The memory a step may still take, read from the system's and the control groups' own words.
#include <gtest/gtest.h>

#include "image/MemoryRoom.h"

using namespace lum;

TEST(MemoryRoom, ReadsTheSystemAndTheGroupsLimits) {
    EXPECT_EQ(AvailableFromMeminfo("MemTotal:       24000000 kB\nMemFree:  100 kB\nMemAvailable:   2000 kB\n"), 2048000u);
    EXPECT_EQ(AvailableFromMeminfo("MemTotal: 5 kB\n"), kUnknownRoom);

    // Version 2: "max" is no limit; the inactive file cache can be given back.
    EXPECT_EQ(RoomInGroup("max\n", "1000\n", "", "inactive_file"), kUnknownRoom);
    EXPECT_EQ(RoomInGroup("4294967296\n", "1073741824\n", "anon 5\ninactive_file 1024\nactive_file 7\n", "inactive_file"),
              4294967296u - 1073741824u + 1024u);
    // Version 1 says no limit with a number near 2^63; its key is total_inactive_file.
    EXPECT_EQ(RoomInGroup("9223372036854771712\n", "5", "", "total_inactive_file"), kUnknownRoom);
    EXPECT_EQ(RoomInGroup("1000", "900", "inactive_file 50\ntotal_inactive_file 300\n", "total_inactive_file"), 400u);
    // Over the limit already (or a cache larger than the usage): no room, never a wrap-around.
    EXPECT_EQ(RoomInGroup("1000", "1500", "", "inactive_file"), 0u);
    EXPECT_EQ(RoomInGroup("1000", "10", "inactive_file 50\n", "inactive_file"), 1000u);
    EXPECT_EQ(RoomInGroup("", "10", "", "inactive_file"), kUnknownRoom);

    const std::string hybrid = "9:name=systemd:/\n4:memory:/jobs/abc\n3:cpuset:/\n0::/user.slice/x\n";
    EXPECT_EQ(GroupPath(hybrid, true), "/user.slice/x");
    EXPECT_EQ(GroupPath(hybrid, false), "/jobs/abc");
    EXPECT_EQ(GroupPath("2:cpu,memory,pids:/a\n", false), "/a");
    EXPECT_EQ(GroupPath("2:cpu:/a\n", false), "");
    EXPECT_EQ(GroupPath("0::/\n", true), "/");

    // On this machine: a number, whatever it is.
    EXPECT_GT(MemoryRoom(), 0u);
}
