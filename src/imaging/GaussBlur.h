// SPDX-License-Identifier: GPL-3.0-or-later
// Instruction-set choice of the Gaussian blur loops. Every level gives the same bytes; tests run
// each one available on the machine against a plain reference.
#pragma once

namespace lum::gauss {

enum Level { kGeneric = 0, kAvx2 = 1, kAvx512 = 2 };

// Highest level this processor runs.
int BestLevel();
// Level used by GaussianBlur and BlurLine from now on; -1 returns to the best one.
// Levels above BestLevel() are lowered to it.
void ForceLevel(int level);
int CurrentLevel();

}  // namespace lum::gauss
