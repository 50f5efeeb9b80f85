// Pictures other than the pieces: the sound toggle icons and the opening backdrop.
#pragma once

#include "raster.hpp"

namespace rec {

constexpr int kIconSize = 36;
constexpr int kOpeningSize = 640;

Image renderSpeakerIcon(bool soundOn);
Image renderOpening();

}  // namespace rec
