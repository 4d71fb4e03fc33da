// Shrinking a picture for the picture box.
#pragma once

#include "image/picture.h"

namespace taoci {

// The picture scaled down to `width` × `height` (each clamped to 1 … the
// picture's own), every new pixel the average of the area of the picture it
// covers, partly covered pixels weighted by their share. Plain sampling
// would drop whole rows and columns and leave the edges jagged; averaging
// premultiplied colours keeps transparent edges clean.
Picture ScalePictureDown(const Picture& picture, int width, int height);

}  // namespace taoci
