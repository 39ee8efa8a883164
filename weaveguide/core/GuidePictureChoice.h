// Which of the program's two picture sets suits the screen.
#pragma once

// bits: the screen's bits per pixel, 0 when there is no screen DC. Displays
// of 8 bits and more get the high-colour pictures.
inline bool GuideUsesHighColourPictures(int bits) { return bits >= 8; }
