// The windows created at start-up, one instance each, reached through these references.
#pragma once
#include <QStringList>

namespace lum {
class Prompts;
}

class TMemPhotoActionForm;
class TEform2;
class TEform3;
class TEform4;
class TEform5;
class TEform6;
class TEForm8;
class TEform7;

extern TMemPhotoActionForm* MemPhotoActionForm;
extern TEform2* Eform2;  // Options
extern TEform3* Eform3;  // Select a picture
extern TEform4* Eform4;  // Images Mix
extern TEform5* Eform5;  // Gradient parameters
extern TEform6* Eform6;  // New dimensions
extern TEForm8* EForm8;  // Gaussian Blur
extern TEform7* Eform7;  // text Image Creation

namespace lum {

// Sets the application title, then creates the main window and the dialogs in their order.
// prompts (not owned) answers the questions of every window.
void CreateForms(Prompts* prompts);
// Destroys the dialogs, then the main window; the references become null.
void DestroyForms();
// Class names of the windows in the order CreateForms created them.
QStringList FormCreationOrder();

}  // namespace lum
