// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page lumora(1), written from the operation table and the options of --help, so the
// page always describes the program it ships with.
#pragma once
#include <string>

namespace lum::cli {

// Text set literally in roff: backslashes, hyphens (as minus signs, so commands copy right) and
// a leading dot or quote (which would start a request) escaped.
std::string RoffEscape(const std::string& text);

// The whole page; date as YYYY-MM-DD.
std::string ManPage(const std::string& version, const std::string& date);

}  // namespace lum::cli
