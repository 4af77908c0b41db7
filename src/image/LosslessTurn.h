// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns and mirrors of photo files. JPEG photos are turned by rearranging their
// compressed blocks (never decoded and compressed again); BMP photos are decoded, turned and
// written again, which loses nothing either.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"

namespace lum {

// What is asked of a photo as it is shown, its EXIF orientation already applied.
enum class PhotoTurn { RotateCw, RotateCcw, Rotate180, MirrorH, MirrorV, Upright };

// The turn as a transform of the eight an EXIF orientation value (1..8) names.
int TransformOf(PhotoTurn turn);
// The EXIF orientation value (1..8) whose display transform is `after` (another such value)
// applied to what orientation already shows: the one transform from the stored pixels to the result.
int ComposeOrientation(int orientation, int after);

struct TurnedPhoto {
    std::vector<uint8_t> bytes;
    bool unchanged = false;  // nothing to do (an upright photo straightened): bytes are the input
    // Columns and rows of partial blocks at the edge that could not move and were cut off, counted
    // on the picture as it was stored.
    int trimmedColumns = 0, trimmedRows = 0;
    std::vector<std::string> warnings;  // metadata that could not be kept as it was
    bool trimmed() const { return trimmedColumns > 0 || trimmedRows > 0; }
};

// Turns a JPEG photo losslessly: its EXIF orientation applied with the turn, the orientation set
// to 1, the EXIF, XMP, ICC, maker notes and comments kept, the recorded pixel size and the EXIF
// thumbnail turned along. Throws CodecError for a damaged or unusual file, which is left alone.
TurnedPhoto TurnJpegLossless(const std::vector<uint8_t>& jpeg, PhotoTurn turn);
// The same for any of the eight transforms (an EXIF orientation value) of the photo as shown.
TurnedPhoto TurnJpegLossless(const std::vector<uint8_t>& jpeg, int transformAsShown);

// Whether turn can write photos of this format again in their own format.
bool CanTurnFormat(FileFormat format);

// Any photo file's content turned: JPEG losslessly, BMP decoded and written again. Throws
// CodecError for the formats it cannot write and for damaged files.
TurnedPhoto TurnPhotoBytes(const std::vector<uint8_t>& bytes, PhotoTurn turn);

// The words for a trim: "the edge of 5 columns that could not be turned without loss was cut off".
std::string TrimNote(const TurnedPhoto& t);
Words TrimNoteWords(const TurnedPhoto& t);  // the same, in words to translate

}  // namespace lum
