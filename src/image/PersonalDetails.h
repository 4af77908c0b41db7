// SPDX-License-Identifier: GPL-3.0-or-later
// Copies meant to be shared leave out where a photo was taken and who took it with which camera.
#pragma once
#include "image/Codec.h"

namespace lum {

// Removes from meta the GPS directory, the camera and lens serial numbers, the owner's and the
// artist's names and the maker notes (which hold serials and more) from the EXIF block, every
// other EXIF entry kept where it stands; from the XMP packet its places, creators, owners and
// serial numbers, its ratings, labels, titles and descriptions kept. IPTC data (which has such
// fields) and the extension of an XMP packet go whole, as does an EXIF block or XMP packet that
// cannot be read safely: nothing in it is known to be harmless.
void RemovePersonalDetails(PictureMetadata& meta);

}  // namespace lum
