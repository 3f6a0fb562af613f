#pragma once

#include <QPixmap>

namespace trazor {

// A picture of the right-hand edge of the OSP operator screen with its column of vertical function
// keys; the key that opens the shortcuts is marked. Drawn here, so no image file ships with Fkreg.
QPixmap DrawKeyPicture();

} // namespace trazor
