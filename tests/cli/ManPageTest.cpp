// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page made from the operation table and the options of --help.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/CliInternal.h"
#include "cli/ManPage.h"
#include "CliTestUtil.h"

using namespace lum;
using namespace clitest;

namespace {

const std::string& Page() {
    static const std::string page = cli::ManPage("9.8.7", "2030-01-02");
    return page;
}

std::vector<std::string> PageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(ManPage, RoffEscapingOfHyphensBackslashesAndRequests) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"rotate-cw", "rotate\\-cw"},
        {"--in-place", "\\-\\-in\\-place"},
        {"C:\\photos", "C:\\ephotos"},
        {"a\\-b", "a\\e\\-b"},
        {".bmp at the start", "\\&.bmp at the start"},
        {"'quoted' start", "\\&'quoted' start"},
        {"ends in .bmp, it's", "ends in .bmp, it's"},
        {"one\n.two\n'three", "one\n\\&.two\n\\&'three"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::RoffEscape(c.in), c.out) << c.in;
}

TEST(ManPage, EveryCommandLineOperationAndOptionIsDescribed) {
    const std::string& page = Page();
    EXPECT_NE(page.find(".TH LUMORA 1 2030-01-02 \"lumora 9.8.7\""), std::string::npos);
    for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "COMMANDS", "OPTIONS", "OPERATIONS",
                                "EXIT STATUS", "ENVIRONMENT", "EXAMPLES"})
        EXPECT_NE(page.find(std::string("\n.SH ") + section + "\n"), std::string::npos) << section;

    const std::vector<std::string> lines = PageLines(page);
    std::set<std::string> tags;  // the line after each .TP
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == ".TP") tags.insert(lines[i + 1]);
    int described = 0;
    for (const Operation& op : Operations()) {
        const bool shown = tags.count("\\fB" + cli::RoffEscape(op.usage) + "\\fR") != 0;
        if (!op.commandLine) {
            EXPECT_TRUE(op.usage.empty() || !shown) << op.name << " runs only in the windows";
            continue;
        }
        EXPECT_TRUE(shown) << op.name;
        described += shown;
        for (const ParamDef& p : op.params) {
            if (p.positional) continue;
            EXPECT_NE(page.find("\\fB" + cli::RoffEscape(p.key) + "\\fR="), std::string::npos) << op.name << " " << p.key;
        }
    }
    EXPECT_GE(described, 25);
    for (const auto* options : {&cli::OptimizeOptions(), &cli::SharedOptions()})
        for (const cli::OptionHelp& o : *options) {
            const std::string first = SplitWords(o.words, ' ').back() == o.words ? o.words : SplitWords(o.words, ' ')[0];
            EXPECT_NE(page.find("\\fB" + cli::RoffEscape(first)), std::string::npos) << o.words;
        }
    for (int status : {cli::kExitOk, cli::kExitFailure, cli::kExitUsage})
        EXPECT_NE(page.find(".TP\n.B " + std::to_string(status) + "\n"), std::string::npos) << status;
}

TEST(ManPage, NoTextLineStartsARequestOrKeepsABareHyphen) {
    const std::set<std::string> requests = {"TH", "SH", "SS", "TP", "PP", "RS", "RE", "nf", "fi", "br", "B", "BR", "I", "nh", "ad"};
    for (const std::string& line : PageLines(Page())) {
        // A comment, and the heading whose date is a date, not text.
        if (line.rfind(".\\\"", 0) == 0 || line.rfind(".TH ", 0) == 0) continue;
        if (!line.empty() && line[0] == '.') {
            const std::string name = line.substr(1, line.find(' ') == std::string::npos ? std::string::npos : line.find(' ') - 1);
            EXPECT_TRUE(requests.count(name)) << line;
        }
        EXPECT_NE(line[0], '\'') << line;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '-') {
                EXPECT_TRUE(i > 0 && line[i - 1] == '\\') << line;
            }
        }
    }
}

// man itself reads the page without a warning, and shows the words as typed.
TEST(ManPage, RendersWithoutWarnings) {
    if (std::system("command -v man >/dev/null 2>&1") != 0) GTEST_SKIP() << "man is not installed";
    TempDir dir;
    const fs::path page = dir.path() / "lumora.1";
    std::ofstream(page) << Page();
    const fs::path out = dir.path() / "out.txt", err = dir.path() / "err.txt";
    ASSERT_EQ(std::system(("MANWIDTH=80 MAN_KEEP_FORMATTING= LC_ALL=C.UTF-8 timeout -k 5 60 man --warnings -l " +
                           Quote(page.string()) + " >" + Quote(out.string()) + " 2>" + Quote(err.string()))
                              .c_str()),
              0);
    EXPECT_EQ(ReadText(err), "");
    const std::string text = ReadText(out);
    for (const char* typed : {"lumora apply", "rotate-cw", "--in-place", "select:ellipse,L,T,R,B", "mix:FILE",
                              "${photo##*/}\" \\", "LUMORA_THREADS"})
        EXPECT_NE(text.find(typed), std::string::npos) << typed;
    // The synopsis reads as --help's usage does.
    for (const std::string& form : cli::SynopsisLines()) {
        EXPECT_NE(text.find("       " + form + "\n"), std::string::npos) << form;
        EXPECT_NE(cli::UsageText().find(" " + form), std::string::npos) << form;
    }
}
