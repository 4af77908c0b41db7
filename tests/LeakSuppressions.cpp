// SPDX-License-Identifier: GPL-3.0-or-later
// Read by the leak checker of the sanitizer build at start-up (unused elsewhere): the HEVC
// encoder the format tests make their HEIC files with keeps a few small buffers for the life of
// the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libx265.so\n"; }
