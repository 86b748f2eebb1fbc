#pragma once
// The program names a diagram "FOLDER/NAME.bmp"; banks made from today's
// pools have PNG (or JPEG, GIF) pictures instead, under the same name.

#include <string>

namespace afx {

// The endings a diagram may have, the bitmap's first.
extern const char* const kPictureEndings[5];

// The file that shows the diagram named by a ".bmp" path: the path itself
// when it is there, else the first picture of the same name with another
// ending; the empty text when there is none.
std::string ExistingPicture(const std::string& bmpPath);

} // namespace afx
