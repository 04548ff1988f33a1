// The wizard's pictures, drawn by the program: a sheet with a small circuit at the sizes of the pages' picture
// boxes. They are painted in the fixed colours that RecolorToSystem turns into the system's colours.
#pragma once

#include "platform/Bitmap.h"

namespace snapscribe {

// The welcome picture (100 x 100): a script page beside a sheet.
platform::Bitmap WelcomePicture();
// The side picture of the file-name page (70 x 90): a folder with a sheet.
platform::Bitmap FilesPicture();
// The side picture of the region page (70 x 90): a sheet with a dashed frame round part of its circuit.
platform::Bitmap RegionPicture();
// The side picture of the reference-point page (70 x 90): a sheet with a cross-hair on a circuit corner.
platform::Bitmap ReferencePointPicture();
// The finish picture (200 x 250): a tall banner with a script page and a check mark.
platform::Bitmap FinishPicture();

} // namespace snapscribe
