// Pictures other than the pieces: the sound toggle icons, the controls' keys
// and the opening backdrop.
#pragma once

#include "raster.hpp"

namespace rec {

constexpr int kIconSize = 36;
constexpr int kOpeningSize = 640;

Image renderSpeakerIcon(bool soundOn);

// The keys of the game screen's column of controls, 36 pixels square.
enum class ControlIcon { Undo, Turn, Hint, List, Copy, Paste };
Image renderControlIcon(ControlIcon icon);
Image renderOpening();

}  // namespace rec
