// SPDX-License-Identifier: GPL-3.0-or-later
// The selection of a list or tree stays plain to see whichever widget has the focus, and tells
// whether it has it: the full highlight while the view has the focus, a paler one with the
// ordinary text colour while the focus is elsewhere or the window is not active.
#pragma once

class QAbstractItemView;

namespace lum {

// Watches view's focus for as long as it lives.
void KeepSelectionVisible(QAbstractItemView* view);

}  // namespace lum
