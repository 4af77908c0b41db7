// SPDX-License-Identifier: GPL-3.0-or-later
// Copies meant to be shared leave out where a photo was taken and who took it with which camera.
#pragma once
#include "image/Codec.h"

namespace lum {

// Removes from meta the GPS directory, the camera and lens serial numbers, the owner's and the
// artist's names and the maker notes (which hold serials and more) from the EXIF block, every
// other EXIF entry kept where it stands; an XMP packet naming a place, a creator or a serial
// number, and IPTC data (which has such fields), go whole. An EXIF block that cannot be walked
// safely goes whole too: nothing in it is known to be harmless.
void RemovePersonalDetails(PictureMetadata& meta);

}  // namespace lum
