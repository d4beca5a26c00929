#!/usr/bin/python3
"""List the resources in a Windows PE file (exe or dll).

Prints one line per resource:  TYPE ID LANG SIZE
(TYPE as RT_* where known, else the number; LANG in hex; SIZE in bytes),
and after each RT_GROUP_ICON one line per entry:  icon WIDTHxHEIGHT BPP

  pe_resources.py app.exe
  pe_resources.py app.exe --check-icon 48 32

--check-icon exits 0 if some group icon lists an entry of that size and bit
depth and the RT_ICON it points at really is that image, 1 otherwise.
Exit status 2 means the file could not be read as a PE.
"""
import argparse
import struct
import sys

RT_NAMES = {
    1: "RT_CURSOR", 2: "RT_BITMAP", 3: "RT_ICON", 4: "RT_MENU", 5: "RT_DIALOG",
    6: "RT_STRING", 7: "RT_FONTDIR", 8: "RT_FONT", 9: "RT_ACCELERATOR",
    10: "RT_RCDATA", 11: "RT_MESSAGETABLE", 12: "RT_GROUP_CURSOR",
    14: "RT_GROUP_ICON", 16: "RT_VERSION", 17: "RT_DLGINCLUDE",
    19: "RT_PLUGPLAY", 20: "RT_VXD", 21: "RT_ANICURSOR", 22: "RT_ANIICON",
    23: "RT_HTML", 24: "RT_MANIFEST",
}
RT_ICON, RT_GROUP_ICON = 3, 14


class PEError(Exception):
    pass


class PE:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PEError("no MZ header")
        pe = self._u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PEError("no PE signature")
        nsect, = struct.unpack_from("<H", data, pe + 6)
        optsize, = struct.unpack_from("<H", data, pe + 20)
        opt = pe + 24
        magic, = struct.unpack_from("<H", data, opt)
        if magic == 0x10B:
            dirs = opt + 96          # PE32
        elif magic == 0x20B:
            dirs = opt + 112         # PE32+
        else:
            raise PEError("unknown optional header magic 0x%x" % magic)
        ndirs = self._u32(dirs - 4)
        self.rsrc_rva = self._u32(dirs + 16) if ndirs > 2 else 0  # entry 2, 8 bytes each
        self.sections = []
        s = opt + optsize
        for i in range(nsect):
            vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", data, s + 40 * i + 8)
            self.sections.append((va, max(vsize, rawsize), rawptr, rawsize))

    def _u32(self, off):
        return struct.unpack_from("<I", self.data, off)[0]

    def offset(self, rva):
        for va, size, rawptr, rawsize in self.sections:
            if va <= rva < va + size:
                if rva - va >= rawsize:
                    raise PEError("RVA 0x%x lies outside the file data" % rva)
                return rawptr + rva - va
        raise PEError("RVA 0x%x is in no section" % rva)

    def resources(self):
        """Yield (type, id, lang, bytes); type and id are ints or strings."""
        if not self.rsrc_rva:
            return
        base = self.offset(self.rsrc_rva)
        for rtype, t_off in self._dir(base, 0):
            for rid, n_off in self._dir(base, t_off):
                for lang, l_off in self._dir(base, n_off):
                    rva, size = struct.unpack_from("<II", self.data, base + l_off)
                    start = self.offset(rva)
                    yield rtype, rid, lang, self.data[start:start + size]

    def _dir(self, base, off):
        # Entries whose high bit is set point at a subdirectory or a name.
        named, ids = struct.unpack_from("<HH", self.data, base + off + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", self.data, base + off + 16 + 8 * i)
            if name & 0x80000000:
                p = base + (name & 0x7FFFFFFF)
                n, = struct.unpack_from("<H", self.data, p)
                name = self.data[p + 2:p + 2 + 2 * n].decode("utf-16-le")
            yield name, target & 0x7FFFFFFF


def group_entries(blob):
    """Entries of a GRPICONDIR: (width, height, bpp, icon id)."""
    _, kind, count = struct.unpack_from("<HHH", blob, 0)
    out = []
    for i in range(count):
        w, h, _, _, _, bpp, _, nid = struct.unpack_from("<BBBBHHIH", blob, 6 + 14 * i)
        out.append((w or 256, h or 256, bpp, nid))
    return out


def icon_image(blob):
    """(width, height, bpp, format) read from the RT_ICON data itself."""
    if blob[:8] == b"\x89PNG\r\n\x1a\n":
        w, h, depth, ctype = struct.unpack_from(">IIBB", blob, 16)
        channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}.get(ctype, 1)
        return w, h, depth * channels, "png"
    _, w, h, _, bpp = struct.unpack_from("<IiiHH", blob, 0)
    return w, abs(h) // 2, bpp, "bmp"    # height covers colour + mask


def label(rtype):
    return RT_NAMES.get(rtype, str(rtype)) if isinstance(rtype, int) else '"%s"' % rtype


def main():
    ap = argparse.ArgumentParser(description="List the resources of a PE file.")
    ap.add_argument("exe")
    ap.add_argument("--check-icon", nargs=2, type=int, metavar=("SIZE", "BPP"),
                    help="exit 0 only if a SIZExSIZE icon of BPP bits is present")
    args = ap.parse_args()

    try:
        with open(args.exe, "rb") as f:
            pe = PE(f.read())
        res = list(pe.resources())
    except (OSError, PEError, struct.error) as e:
        print("%s: %s" % (args.exe, e), file=sys.stderr)
        return 2

    icons = {rid: blob for rtype, rid, _, blob in res if rtype == RT_ICON}
    groups = []
    for rtype, rid, lang, blob in res:
        print("%s %s 0x%04x %d" % (label(rtype), rid, lang, len(blob)))
        if rtype == RT_GROUP_ICON:
            for w, h, bpp, nid in group_entries(blob):
                print("icon %dx%d %d" % (w, h, bpp))
                groups.append((rid, w, h, bpp, nid))

    if not args.check_icon:
        return 0
    size, want_bpp = args.check_icon
    if not groups:
        print("check-icon: FAIL, no RT_GROUP_ICON in %s" % args.exe)
        return 1
    for gid, w, h, bpp, nid in groups:
        if (w, h, bpp) != (size, size, want_bpp):
            continue
        if nid not in icons:
            print("check-icon: FAIL, group %s lists %dx%d %d but RT_ICON %d is missing"
                  % (gid, w, h, bpp, nid))
            return 1
        iw, ih, ibpp, fmt = icon_image(icons[nid])
        if (iw, ih, ibpp) != (size, size, want_bpp):
            print("check-icon: FAIL, group %s lists %dx%d %d but RT_ICON %d holds %dx%d %d (%s)"
                  % (gid, w, h, bpp, nid, iw, ih, ibpp, fmt))
            return 1
        print("check-icon: OK, group %s has %dx%d %d bpp (RT_ICON %d, %s)"
              % (gid, size, size, want_bpp, nid, fmt))
        return 0
    have = ", ".join("%dx%d %d" % (w, h, b) for _, w, h, b, _ in groups)
    print("check-icon: FAIL, no %dx%d %d bpp entry; have %s" % (size, size, want_bpp, have))
    return 1


if __name__ == "__main__":
    sys.exit(main())
