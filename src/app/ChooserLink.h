// SPDX-License-Identifier: GPL-3.0-or-later
// The picture chooser's file list as the save and delete flows of a window see it.
#pragma once
#include <functional>

#include "app/Saving.h"

namespace lum {

class Dialogs;

class ChooserFileList : public PictureChooserLink {
public:
    // dialogs gives the program's dialogs when the list is first needed.
    explicit ChooserFileList(std::function<Dialogs&()> dialogs) : dialogs_(std::move(dialogs)) {}
    std::string SelectedPath() const override;
    int SelectedIndex() const override;
    void RefreshFileList(int selectIndex) override;

private:
    std::function<Dialogs&()> dialogs_;
};

}  // namespace lum
