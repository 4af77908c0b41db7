// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PhotoNotice.h"

#include <new>

#include "image/MemoryRoom.h"

namespace lum {

Words DamageMeaning(DamageKind kind) {
    switch (kind) {
    case DamageKind::EndsEarly: return Words(QT_TRANSLATE_NOOP("lum", "the lower part of the picture is missing (the file ends early)"));
    case DamageKind::BreaksOff: return Words(QT_TRANSLATE_NOOP("lum", "the lower part of the picture is missing (its data breaks off)"));
    case DamageKind::EndsEarlyCoarse:
        return Words(QT_TRANSLATE_NOOP("lum", "parts of the picture are blurred or missing (the file ends early)"));
    case DamageKind::Corrupt: return Words(QT_TRANSLATE_NOOP("lum", "parts of the picture may be wrong (its data is corrupt)"));
    case DamageKind::None: break;
    }
    return Words(QT_TRANSLATE_NOOP("lum", "parts of the picture may be wrong or missing"));
}

namespace {
PhotoNotice Worded(PhotoNotice n, Words words) {
    n.text = words.English();
    n.words = std::move(words);
    return n;
}

}  // namespace

Words WordsOf(const std::exception& error) {
    if (const auto* e = dynamic_cast<const CodecError*>(&error)) return e->words();
    if (const auto* e = dynamic_cast<const ImageTooLarge*>(&error)) return e->words();
    if (const auto* e = dynamic_cast<const NotEnoughMemory*>(&error)) return e->words();
    if (dynamic_cast<const std::bad_alloc*>(&error)) return Words(QT_TRANSLATE_NOOP("lum", "Not enough memory"));
    return Words(std::string(error.what()));
}

Words DecoderWords(const DecodeReport& report) {
    const bool worded = report.said.size() == report.warnings.size();
    Words all;
    for (size_t i = 0; i < report.warnings.size(); ++i) {
        Words one = worded ? report.said[i] : Words::Plain(report.warnings[i]);
        all = i == 0 ? std::move(one) : Words(QT_TRANSLATE_NOOP("lum", "%1; %2"), {std::move(all), std::move(one)});
    }
    return all;
}

PhotoNotice NoticeForLoad(const std::string& name, const DecodeReport& report) {
    PhotoNotice n;
    Words words;
    // The command line keeps the decoder's own English; a reader words it in its language.
    std::string english;
    if (report.damaged()) {
        n.state = PhotoState::Damaged;
        n.damage = report.kind;
        for (size_t i = 0; i < report.warnings.size(); ++i) n.decoderWords += (i ? "; " : "") + report.warnings[i];
        const char* damaged = QT_TRANSLATE_NOOP("lum", "%1 is damaged: %2. The decoder said: %3");
        words = Words(damaged, {name, DamageMeaning(report.kind), DecoderWords(report)});
        english = Words(damaged, {name, DamageMeaning(report.kind), n.decoderWords}).English();
    }
    // Worth a word, but the photo itself is sound.
    for (const std::string& note : report.notes) {
        words = words.empty() ? Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {name, Words::Code(note)})
                              : Words(QT_TRANSLATE_NOOP("lum", "%1; %2"), {words, Words::Code(note)});
        english = english.empty() ? name + ": " + note : english + "; " + note;
    }
    n.text = english;
    n.words = std::move(words);
    return n;
}

PhotoNotice NoticeForFailure(const std::string& name, const std::exception& error) {
    PhotoNotice n;
    n.state = PhotoState::Unreadable;
    if (const auto* jpeg = dynamic_cast<const JpegError*>(&error)) {
        const std::string code = std::to_string(jpeg->code());
        if (jpeg->detail().empty()) return Worded(n, Words(QT_TRANSLATE_NOOP("lum", "JPEG error #%1 in %2"), {code, name}));
        const char* failed = QT_TRANSLATE_NOOP("lum", "JPEG error #%1 in %2: %3");
        n = Worded(n, Words(failed, {code, name, jpeg->detail()}));
        n.words = Words(failed, {code, name, jpeg->said()});
        return n;
    }
    const Words what = WordsOf(error);
    // "PNG error: <words>" reads as the JPEG one does: "PNG error in <name>: <words>".
    if (!name.empty() && !what.plain && what.text == "%1 error: %2" && what.args.size() == 2)
        return Worded(n, Words(QT_TRANSLATE_NOOP("lum", "%1 error in %2: %3"), {what.args[0], name, what.args[1]}));
    const std::string english = what.English();
    for (const char* kind : {"PNG", "TIFF", "WebP", "HEIF"}) {
        const std::string head = std::string(kind) + " error: ";
        if (!name.empty() && english.rfind(head, 0) == 0)
            return Worded(n, Words(QT_TRANSLATE_NOOP("lum", "%1 error in %2: %3"),
                                   {std::string(kind), name, english.substr(head.size())}));
    }
    if (!name.empty() && what.English().find(name) != std::string::npos) return Worded(n, what);
    return Worded(n, Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {name, what}));
}

std::string RefusalToReplace(const PhotoNotice& notice) {
    return Words(QT_TRANSLATE_NOOP("lum", "%1 (left as it was)"), {notice.text}).English();
}

Words RefusalToReplaceWords(const PhotoNotice& notice) {
    return Words(QT_TRANSLATE_NOOP("lum", "%1 (left as it was)"), {notice.words});
}

}  // namespace lum
