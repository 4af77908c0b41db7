#include "image/Codec.h"

namespace lum {
// Stubs: replaced by the real codecs.
JpegError::JpegError(int code, const std::string& detail)
    : CodecError("JPEG error #" + std::to_string(code)), code_(code), detail_(detail) {}
FileFormat SniffFormat(const uint8_t*, size_t) { return FileFormat::Unknown; }
Image DecodeJpeg(const uint8_t*, size_t, JpegMetadata*, const JpegDecodeOptions&) { throw CodecError("not implemented"); }
std::vector<uint8_t> EncodeJpeg(const Image&, const JpegEncodeOptions&) { throw CodecError("not implemented"); }
Image DecodeBmp(const uint8_t*, size_t) { throw CodecError("not implemented"); }
std::vector<uint8_t> EncodeBmp(const Image&) { throw CodecError("not implemented"); }
std::vector<uint8_t> ReadFileBytes(const std::string&) { throw CodecError("not implemented"); }
void WriteFileAtomic(const std::string&, const std::vector<uint8_t>&) { throw CodecError("not implemented"); }
LoadedPicture LoadPicture(const std::string&, const JpegDecodeOptions&) { throw CodecError("not implemented"); }
LoadedPicture LoadPictureFromMemory(const uint8_t*, size_t, const JpegDecodeOptions&) { throw CodecError("not implemented"); }
bool HasBmpExtension(const std::string&) { return false; }
}  // namespace lum
