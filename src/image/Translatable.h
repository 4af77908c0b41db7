// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the toolkit-free layers that reach a user: written in English, marked with the
// toolkit's no-op marker so that its translation tools collect them under the context "lum".
// The desktop's prompts look each text up in that context before showing it; the command line
// prints it as written.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

#include <string>
#include <utility>
#include <vector>

namespace lum {

// A message given as a code with what fills it, so that each reader words it whole in its own
// language: the code is the English text (marked for translation in the context "lum") with %1,
// %2 ... where the arguments go; an argument is itself a message, or plain words (a file name, a
// number) shown as they are. The command line prints English().
struct Words {
    std::string text;
    bool plain = true;  // text is shown as it is, never translated
    std::vector<Words> args;

    Words() = default;
    // A marked text: Words(QT_TRANSLATE_NOOP("lum", "%1 is damaged"), {name}).
    Words(const char* code, std::vector<Words> with = {}) : text(code), plain(false), args(std::move(with)) {}
    // Plain words: a name, a number, a library's own text.
    Words(std::string words) : text(std::move(words)) {}
    static Words Plain(std::string words) { return Words(std::move(words)); }
    // A marked text kept in a string (the report's notes).
    static Words Code(std::string code, std::vector<Words> with = {}) {
        Words w(std::move(code));
        w.plain = false;
        w.args = std::move(with);
        return w;
    }

    std::string English() const;
    bool empty() const { return text.empty() && args.empty(); }
};

// The system's reason for errno error (strerror's English text, marked for translation where
// it is a common one).
Words SystemWords(int error);

// text with each %1 .. %9 replaced by values[n - 1] in one pass (a value holding "%2" stays as
// it is); a place without a value is left.
std::string FillPlaces(const std::string& text, const std::vector<std::string>& values);

}  // namespace lum
