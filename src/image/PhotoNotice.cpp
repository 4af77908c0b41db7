#include "image/PhotoNotice.h"

#include <new>

#include "image/MemoryRoom.h"

namespace lum {

std::string DamageMeaning(DamageKind kind) {
    switch (kind) {
    case DamageKind::EndsEarly: return "the lower part of the picture is missing (the file ends early)";
    case DamageKind::BreaksOff: return "the lower part of the picture is missing (its data breaks off)";
    case DamageKind::EndsEarlyCoarse:
        return "parts of the picture are blurred or missing (the file ends early)";
    case DamageKind::Corrupt: return "parts of the picture may be wrong (its data is corrupt)";
    case DamageKind::None: break;
    }
    return "parts of the picture may be wrong or missing";
}

PhotoNotice NoticeForLoad(const std::string& name, const DecodeReport& report) {
    PhotoNotice n;
    if (report.damaged()) {
        n.state = PhotoState::Damaged;
        n.damage = report.kind;
        for (size_t i = 0; i < report.warnings.size(); ++i) n.decoderWords += (i ? "; " : "") + report.warnings[i];
        n.text = name + " is damaged: " + DamageMeaning(report.kind) + ". The decoder said: " + n.decoderWords;
    }
    // Worth a word, but the photo itself is sound.
    for (const std::string& note : report.notes) n.text += (n.text.empty() ? name + ": " : std::string("; ")) + note;
    return n;
}

PhotoNotice NoticeForFailure(const std::string& name, const std::exception& error) {
    PhotoNotice n;
    n.state = PhotoState::Unreadable;
    if (const auto* jpeg = dynamic_cast<const JpegError*>(&error)) {
        n.text = "JPEG error #" + std::to_string(jpeg->code()) + " in " + name;
        if (!jpeg->detail().empty()) n.text += ": " + jpeg->detail();
        return n;
    }
    const bool plainMemory = dynamic_cast<const std::bad_alloc*>(&error) && !dynamic_cast<const NotEnoughMemory*>(&error);
    const std::string what = plainMemory ? "Not enough memory" : error.what();
    // "PNG error: <words>" reads as the JPEG one does: "PNG error in <name>: <words>".
    for (const char* kind : {"PNG", "TIFF", "WebP", "HEIF"}) {
        const std::string head = std::string(kind) + " error: ";
        if (!name.empty() && what.rfind(head, 0) == 0) {
            n.text = std::string(kind) + " error in " + name + ": " + what.substr(head.size());
            return n;
        }
    }
    n.text = !name.empty() && what.find(name) != std::string::npos ? what : name + ": " + what;
    return n;
}

std::string RefusalToReplace(const PhotoNotice& notice) {
    return notice.text + " (left as it was)";
}

}  // namespace lum
