// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is told after reading a photo: one policy for the window and the command line.
#pragma once
#include <exception>
#include <string>

#include "image/Codec.h"
#include "image/Translatable.h"

namespace lum {

enum class PhotoState {
    Sound,       // decoded without a word from the decoder
    Damaged,     // decoded, but parts of it came from nothing (shown grey)
    Unreadable,  // nothing decoded
};

struct PhotoNotice {
    PhotoState state = PhotoState::Sound;
    std::string text;  // one line that names the file, with the decoder's own words; empty for a sound photo
    Words words;       // the same, for a reader that words it in its own language (the decoder's too)
    // A damaged photo: what the damage means and the decoder's own words, for a caller that
    // words the notice itself.
    DamageKind damage = DamageKind::None;
    std::string decoderWords;

    // The photo is there to show, edit and write to another file (with the notice).
    bool opened() const { return state != PhotoState::Unreadable; }
    // Writing over the file would replace the only full record of a damaged photo with a
    // clean-looking copy of what could be decoded.
    bool mayReplaceOriginal() const { return state == PhotoState::Sound; }
};

// What a kind of damage means for the picture, in plain words: "the lower part of the picture
// is missing (the file ends early)".
Words DamageMeaning(DamageKind kind);

// What an error says, as a message: the reader's own words, or the English of any other.
Words WordsOf(const std::exception& error);

// The decoder's warnings of report, one after another, in words to translate.
Words DecoderWords(const DecodeReport& report);

// name is the file as the caller shows it: the path given on the command line, the window's path.
// A damaged photo: "<name> is damaged: <what it means>. The decoder said: <its words>; <...>".
// A note of a sound photo (a colour profile ignored): "<name>: <note>"; the state stays Sound.
PhotoNotice NoticeForLoad(const std::string& name, const DecodeReport& report);
// A failed read: "JPEG error #<code> in <name>: <the library's words>" for decoder failures,
// "<name>: <message>" for the rest (the message alone when it names the file already).
PhotoNotice NoticeForFailure(const std::string& name, const std::exception& error);
// Why a damaged photo is not written over itself: its notice, "(left as it was)".
std::string RefusalToReplace(const PhotoNotice& notice);
Words RefusalToReplaceWords(const PhotoNotice& notice);

}  // namespace lum
