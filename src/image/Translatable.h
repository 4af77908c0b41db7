// Texts of the toolkit-free layers that reach a user: written in English, marked with the
// toolkit's no-op marker so that its translation tools collect them under the context "lum".
// The desktop's prompts look each text up in that context before showing it; the command line
// prints it as written.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
