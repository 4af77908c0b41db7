#include "image/PhotoNotice.h"

#include <new>

namespace lum {

PhotoNotice NoticeForLoad(const std::string& name, const DecodeReport& report) {
    PhotoNotice n;
    if (report.damaged()) {
        n.state = PhotoState::Damaged;
        n.text = name + " is damaged: ";
        for (size_t i = 0; i < report.warnings.size(); ++i) n.text += (i ? "; " : "") + report.warnings[i];
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
    const std::string what = dynamic_cast<const std::bad_alloc*>(&error) ? "Not enough memory" : error.what();
    n.text = !name.empty() && what.find(name) != std::string::npos ? what : name + ": " + what;
    return n;
}

}  // namespace lum
