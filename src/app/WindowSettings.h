// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows remember between runs of their own look: which toolbars and buttons the
// compare window showed when it was closed last.
#pragma once
#include <QString>

namespace lum {

struct WindowSettings {
    static constexpr const char* kCompareAllButtons = "CompareWindow/ShowAllButtons";
    static constexpr const char* kComparePaintToolbar = "CompareWindow/PaintToolbar";
    static constexpr const char* kCompareSelectionToolbar = "CompareWindow/SelectionToolbar";
    static constexpr const char* kPhotoListDetails = "MainWindow/PhotoListDetails";
    static constexpr const char* kLargeThumbnails = "MainWindow/LargeThumbnails";

    // off when never stored
    static bool Flag(const char* key);
    static void SetFlag(const char* key, bool on);
    // empty when never stored
    static QString Text(const char* key);
    static void SetText(const char* key, const QString& value);
};

}  // namespace lum
