// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Translatable.h"

namespace lum {

std::string FillPlaces(const std::string& text, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Words::English() const {
    if (args.empty()) return text;
    std::vector<std::string> values;
    values.reserve(args.size());
    for (const Words& a : args) values.push_back(a.English());
    return FillPlaces(text, values);
}

}  // namespace lum
