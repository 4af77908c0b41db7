#!/usr/bin/env python3
"""Writes the camera-like photos of this folder from the sample photo astronaut.jpg.

Each photo carries what a camera writes: an EXIF block with the camera's maker note (the
Olympus layout, whose offsets count from the start of the EXIF block, with a preview picture
inside), an EXIF thumbnail, GPS and interoperability directories. exiftool then gives each its
orientation (1 to 8), and two photos are broken on purpose afterwards:
  camera_loop.jpg  the interoperability link points back at the main directory
  camera_oob.jpg   the maker note points past the end of the block
Needs python3, exiftool and ImageMagick's convert. Run from anywhere:
  tests/data/camera/make_camera_photos.py
"""
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "..", "photos", "astronaut.jpg")

# TIFF types
BYTE, ASCII, SHORT, LONG, RATIONAL, UNDEFINED = 1, 2, 3, 4, 5, 7
TYPE_SIZE = {BYTE: 1, ASCII: 1, SHORT: 2, LONG: 4, RATIONAL: 8, UNDEFINED: 1}


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


def jpeg(size, quality, crop="512x341+0+85"):
    with tempfile.NamedTemporaryFile(suffix=".jpg", delete=False) as f:
        path = f.name
    run("convert", SOURCE, "-crop", crop, "+repage", "-resize", size + "!", "-quality", str(quality),
        "-sampling-factor", "2x2", "-strip", path)
    data = open(path, "rb").read()
    os.unlink(path)
    return data


class Tiff:
    """Lays out directories one after the other, each followed by its out-of-line values."""

    def __init__(self, bo):
        self.bo = bo  # "<" Intel, ">" Motorola
        self.out = bytearray((b"II*\0" if bo == "<" else b"MM\0*") + struct.pack(bo + "I", 8))

    def pack(self, fmt, *v):
        return struct.pack(self.bo + fmt, *v)

    def value(self, typ, v):
        if isinstance(v, (bytes, bytearray)):
            return bytes(v)
        if typ == ASCII:
            return v.encode() + b"\0"
        if typ == SHORT:
            return b"".join(self.pack("H", x) for x in v)
        if typ == LONG:
            return b"".join(self.pack("I", x) for x in v)
        if typ == RATIONAL:
            return b"".join(self.pack("II", *x) for x in v)
        raise ValueError(typ)

    def directory(self, entries, link_at_end=0):
        """entries: (tag, type, value) or (tag, type, callable(offset) -> bytes, length).
        Returns the offset of the directory and of its next-directory link."""
        at = len(self.out)
        entries = sorted(entries, key=lambda e: e[0])
        data_at = at + 2 + 12 * len(entries) + 4
        table = bytearray(self.pack("H", len(entries)))
        data = bytearray()
        for e in entries:
            tag, typ = e[0], e[1]
            if callable(e[2]):
                raw_len = e[3]
                off = data_at + len(data)
                raw = e[2](off)
                assert len(raw) == raw_len
            else:
                raw = self.value(typ, e[2])
            count = len(raw) // TYPE_SIZE[typ]
            if len(raw) <= 4:
                table += self.pack("HHI", tag, typ, count) + raw.ljust(4, b"\0")
            else:
                table += self.pack("HHII", tag, typ, count, data_at + len(data))
                data += raw
                if len(data) % 2:
                    data += b"\0"
        link = at + 2 + 12 * len(entries)
        table += self.pack("I", link_at_end)
        self.out += table + data
        return at, link

    def patch_long(self, at, v):
        self.out[at:at + 4] = self.pack("I", v)


def olympus_maker_note(t, preview):
    """The maker note as the camera writes it: its own header, then a directory whose offsets
    count from the start of the EXIF block."""
    head = b"OLYMP\0\x01\0"
    entries = [
        (0x0200, LONG, [0, 1, 0]),                       # SpecialMode
        (0x0201, SHORT, [2]),                           # Quality
        (0x0204, RATIONAL, [(100, 100)]),               # DigitalZoom
        (0x0207, ASCII, "D4029"),                       # CameraType
        (0x0209, UNDEFINED, b"OLYMPUS DIGITAL CAMERA\0\0\0\0\0\0\0\0\0\0"),
        (0x0280, UNDEFINED, preview),                   # PreviewImage
    ]
    n = len(entries)
    length = len(head) + 2 + 12 * n + 4
    for e in entries:
        raw = t.value(e[1], e[2])
        if len(raw) > 4:
            length += len(raw) + len(raw) % 2

    def build(offset):
        data_at = offset + len(head) + 2 + 12 * n + 4
        table = bytearray(t.pack("H", n))
        data = bytearray()
        for tag, typ, v in entries:
            raw = t.value(typ, v)
            count = len(raw) // TYPE_SIZE[typ]
            if len(raw) <= 4:
                table += t.pack("HHI", tag, typ, count) + raw.ljust(4, b"\0")
            else:
                table += t.pack("HHII", tag, typ, count, data_at + len(data))
                data += raw + b"\0" * (len(raw) % 2)
        table += t.pack("I", 0)
        return head + bytes(table) + bytes(data)

    return build, length


def exif_block(bo, width, height, preview, thumbnail):
    t = Tiff(bo)
    ifd0, ifd0_link = t.directory([
        (0x010F, ASCII, "OLYMPUS IMAGING CORP."),
        (0x0110, ASCII, "E-M10"),
        (0x0112, SHORT, [1]),
        (0x011A, RATIONAL, [(72, 1)]),
        (0x011B, RATIONAL, [(72, 1)]),
        (0x0128, SHORT, [2]),
        (0x0131, ASCII, "Version 1.0"),
        (0x0132, ASCII, "2021:06:12 10:41:07"),
        (0x0213, SHORT, [2]),
        (0x8769, LONG, [0]),
        (0x8825, LONG, [0]),
    ])
    exif_at = len(t.out)
    note, note_len = olympus_maker_note(t, preview)
    exif, _ = t.directory([
        (0x829A, RATIONAL, [(1, 250)]),
        (0x829D, RATIONAL, [(56, 10)]),
        (0x8827, SHORT, [200]),
        (0x9000, UNDEFINED, b"0231"),
        (0x9003, ASCII, "2021:06:12 10:41:07"),
        (0x9004, ASCII, "2021:06:12 10:41:07"),
        (0x9101, UNDEFINED, b"\1\2\3\0"),
        (0x927C, UNDEFINED, note, note_len),
        (0xA000, UNDEFINED, b"0100"),
        (0xA001, SHORT, [1]),
        (0xA002, LONG, [width]),
        (0xA003, LONG, [height]),
        (0xA005, LONG, [0]),
    ])
    assert exif == exif_at
    interop, _ = t.directory([(0x0001, ASCII, "R98"), (0x0002, UNDEFINED, b"0100")])
    gps, _ = t.directory([
        (0x0000, BYTE, b"\2\3\0\0"),
        (0x0001, ASCII, "N"),
        (0x0002, RATIONAL, [(48, 1), (51, 1), (2949, 100)]),
        (0x0003, ASCII, "E"),
        (0x0004, RATIONAL, [(2, 1), (17, 1), (4011, 100)]),
    ])
    ifd1, _ = t.directory([
        (0x0103, SHORT, [6]),
        (0x011A, RATIONAL, [(72, 1)]),
        (0x011B, RATIONAL, [(72, 1)]),
        (0x0128, SHORT, [2]),
        (0x0201, LONG, [0]),
        (0x0202, LONG, [len(thumbnail)]),
    ])
    thumb_at = len(t.out)
    t.out += thumbnail
    # Now that every place is known, fill in the links.
    t.patch_long(ifd0_link, ifd1)
    for at, value in ((find_entry(t, ifd0, 0x8769), exif), (find_entry(t, ifd0, 0x8825), gps),
                      (find_entry(t, exif, 0xA005), interop), (find_entry(t, ifd1, 0x0201), thumb_at)):
        t.patch_long(at + 8, value)
    return bytes(t.out)


def find_entry(t, ifd, tag):
    n = struct.unpack(t.bo + "H", t.out[ifd:ifd + 2])[0]
    for i in range(n):
        at = ifd + 2 + 12 * i
        if struct.unpack(t.bo + "H", t.out[at:at + 2])[0] == tag:
            return at
    raise KeyError(tag)


def with_exif(photo, block):
    """The photo with the EXIF block as its first segment, as cameras write it."""
    payload = b"Exif\0\0" + block
    assert len(payload) + 2 <= 0xFFFF
    i = 2
    while photo[i + 1] in (0xE0, 0xE1):  # drop what the encoder wrote before the tables
        i += 2 + struct.unpack(">H", photo[i + 2:i + 4])[0]
    return photo[:2] + b"\xFF\xE1" + struct.pack(">H", len(payload) + 2) + payload + photo[i:]


def exif_of(path):
    data = open(path, "rb").read()
    i = 2
    while data[i] == 0xFF and data[i + 1] != 0xDA:
        n = struct.unpack(">H", data[i + 2:i + 4])[0]
        if data[i + 1] == 0xE1 and data[i + 4:i + 10] == b"Exif\0\0":
            return data, i + 10, n - 8
        i += 2 + n
    raise ValueError("no EXIF in " + path)


def entry_in(data, tiff, ifd, tag):
    bo = "<" if data[tiff] == ord("I") else ">"
    n = struct.unpack(bo + "H", data[tiff + ifd:tiff + ifd + 2])[0]
    for i in range(n):
        at = tiff + ifd + 2 + 12 * i
        if struct.unpack(bo + "H", data[at:at + 2])[0] == tag:
            return bo, at
    raise KeyError(tag)


def break_file(src, dst, what):
    data, tiff, size = exif_of(src)
    data = bytearray(data)
    bo = "<" if data[tiff] == ord("I") else ">"
    ifd0 = struct.unpack(bo + "I", data[tiff + 4:tiff + 8])[0]
    _, exif_entry = entry_in(data, tiff, ifd0, 0x8769)
    exif = struct.unpack(bo + "I", data[exif_entry + 8:exif_entry + 12])[0]
    if what == "loop":
        _, at = entry_in(data, tiff, exif, 0xA005)
        data[at + 8:at + 12] = struct.pack(bo + "I", ifd0)
    else:
        _, at = entry_in(data, tiff, exif, 0x927C)
        data[at + 8:at + 12] = struct.pack(bo + "I", size - 16)
    open(dst, "wb").write(data)


def main():
    photo = jpeg("120x80", 80)
    preview = jpeg("48x32", 60)
    thumbnail = jpeg("60x40", 70)
    for orientation in range(1, 9):
        bo = ">" if orientation % 2 else "<"
        path = os.path.join(HERE, "camera_o%d.jpg" % orientation)
        open(path, "wb").write(with_exif(photo, exif_block(bo, 120, 80, preview, thumbnail)))
        run("exiftool", "-q", "-overwrite_original", "-n", "-Orientation=%d" % orientation,
            "-IFD1:Orientation=%d" % orientation, "-Artist=Lumora test", path)
    break_file(os.path.join(HERE, "camera_o6.jpg"), os.path.join(HERE, "camera_loop.jpg"), "loop")
    break_file(os.path.join(HERE, "camera_o6.jpg"), os.path.join(HERE, "camera_oob.jpg"), "oob")


if __name__ == "__main__":
    main()
