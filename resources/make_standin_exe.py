#!/usr/bin/env python3
"""Writes resources/payload/Brontel.exe, the stand-in for the program the installer ships.

The stand-in is a genuine but harmless 32-bit Windows executable: its entry point returns at
once, and its DOS stub prints a one-line notice. Around that it carries generated machine code,
string tables, lookup tables and pictures of the size and make-up a terminal program of its day
would have, so that the installer packs, expands and verifies realistic data. Everything is made
from a fixed seed: running the script again writes the same bytes.

Usage: resources/make_standin_exe.py [OUTPUT]   (default: resources/payload/Brontel.exe)
"""

import os
import struct
import sys
import zlib

IMAGE_BASE = 0x400000
SECTION_ALIGN = 0x1000
FILE_ALIGN = 0x200
HEADERS_SIZE = 0x400
TIMESTAMP = 0x34F7C2A0  # March 1998, the release of version 2.02

TEXT_SIZE = 256 * 1024
RDATA_SIZE = 112 * 1024
DATA_SIZE = 64 * 1024
BSS_SIZE = 48 * 1024


class Random:
    """xorshift32: small, fixed, and the same on every Python."""

    def __init__(self, seed):
        self.state = seed or 1

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x

    def below(self, n):
        return self.next() % n

    def choice(self, items):
        return items[self.below(len(items))]


def align(value, to):
    return (value + to - 1) // to * to


def pad(data, size, fill=b"\0"):
    if len(data) > size:
        raise ValueError("section overflows: %d > %d" % (len(data), size))
    return data + fill * (size - len(data))


# ----------------------------------------------------------------------------------------------
# .rdata: texts and constant tables


MESSAGES = [
    "The modem does not answer.",
    "No dial tone.",
    "The line is busy. Next attempt in %d seconds.",
    "Host not found.",
    "Connection refused.",
    "Transfer cancelled by the remote side.",
    "Too many errors. Transfer cancelled.",
    "The file exists. Saved as %s.",
    "SITES.INI cannot be written.",
    "Connected to %s at %ld bps.",
    "Connection ended after %s.",
    "Dialling %s ...",
    "Looking up %s ...",
    "Waiting for the remote side ...",
    "Receiving %s",
    "Sending %s",
    "%ld of %ld bytes, %ld bytes per second",
    "Capture file: %s",
    "Do you want to hang up?",
    "Do you want to end Brontel?",
    "The site database has changed. Save it?",
    "Brontel 2.02",
    "Copyright 1995-1998 Quorvane Software",
    "Brontel needs Winsock 1.1 or later.",
    "The port %s is in use by another program.",
    "Unknown terminal type in the site database: %s",
    "ZMODEM: resuming at offset %ld",
    "Kermit: the other side does not support long packets.",
    "YMODEM: batch of %d files",
    "XMODEM: block %d sent again",
]

MENU_ITEMS = [
    "&Site", "&Dialling Directory...\tAlt+D", "&Quick Connect...\tAlt+Q", "&Hang Up\tAlt+H",
    "Site &Database...", "&Add to Database", "E&xit\tAlt+X", "&Edit", "&Copy\tCtrl+Ins",
    "&Paste\tShift+Ins", "Select &All", "&Transfer", "&Download...\tPgDn", "&Upload...\tPgUp",
    "&Capture\tAlt+C", "&Print\tAlt+P", "&Options", "&Modem...", "&Terminal...", "T&ransfers...",
    "C&olours...", "&Macros...", "&Window", "&Tile", "&Cascade", "&Arrange Icons", "&Help",
    "&Help Topics", "&About Brontel...", "Connect", "Cancel", "OK", "Apply", "Browse...",
]

SETTINGS_KEYS = [
    "Port", "Speed", "ModemType", "InitString", "DialPrefix", "DialMode", "ConnectTimeout",
    "WaitForCarrier", "Terminal", "Columns", "Lines", "CursorShape", "CharacterSet",
    "BackspaceSends", "Protocol", "DownloadDir", "AutoZmodem", "Resume", "ScrollBack",
    "Colour0", "Colour1", "Colour2", "Colour3", "Colour4", "Colour5", "Colour6", "Colour7",
    "WindowLeft", "WindowTop", "WindowWidth", "WindowHeight", "Toolbar", "StatusBar",
]

WORDS = (
    "site modem line terminal file block packet window buffer screen cursor colour speed port "
    "host carrier transfer capture macro protocol header checksum offset batch session queue "
    "timer dial prefix retry pause directory database entry field value key table font glyph "
    "status toolbar button menu dialog list column page print text raw clean resume error"
).split()


def crc32_table():
    table = []
    for n in range(256):
        c = n
        for _ in range(8):
            c = (0xEDB88320 ^ (c >> 1)) if c & 1 else c >> 1
        table.append(c)
    return struct.pack("<256I", *table)


def crc16_table():
    table = []
    for n in range(256):
        c = n << 8
        for _ in range(8):
            c = ((c << 1) ^ 0x1021) if c & 0x8000 else c << 1
        table.append(c & 0xFFFF)
    return struct.pack("<256H", *table)


def generated_font(rng):
    """An 8x16 bitmap font of made-up glyphs: a frame of strokes per character, no real face."""
    out = bytearray()
    for code in range(256):
        glyph = [0] * 16
        if 32 < code < 255:
            strokes = 2 + rng.below(4)
            for _ in range(strokes):
                if rng.below(2):
                    row = 3 + rng.below(10)
                    glyph[row] |= (0xFF >> rng.below(3)) & (0xFF << rng.below(3)) & 0x7E
                else:
                    bit = 0x40 >> rng.below(6)
                    for row in range(3 + rng.below(3), 12 + rng.below(2)):
                        glyph[row] |= bit
        out += bytes(glyph)
    return bytes(out)


def toolbar_bitmap(rng):
    """A 16-colour bottom-up bitmap of eight 16x16 buttons: simple shapes on grey."""
    width, height = 128, 16
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, width * height // 2,
                         3780, 3780, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in [
        (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
        (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
        (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)])
    pixels = bytearray()
    for y in range(height):
        row = []
        for x in range(width):
            button, bx = divmod(x, 16)
            colour = 7
            cx, cy = bx - 8, y - 8
            shape = button % 4
            if shape == 0 and cx * cx + cy * cy < 30:
                colour = 4 + button % 8
            elif shape == 1 and abs(cx) < 5 and abs(cy) < 4:
                colour = 1 + button % 6
            elif shape == 2 and abs(cx) + abs(cy) < 6:
                colour = 9 + button % 6
            elif shape == 3 and (abs(cx) < 2 or abs(cy) < 2) and abs(cx) < 7 and abs(cy) < 7:
                colour = 0
            row.append(colour)
        for i in range(0, width, 2):
            pixels.append(row[i] << 4 | row[i + 1])
    return header + palette + bytes(pixels)


def utf16(text):
    return text.encode("utf-16-le") + b"\0\0"


def build_rdata(rng, base_rva):
    """Returns (bytes, addresses of the strings) for the read-only data section."""
    out = bytearray()
    strings = []

    def add(blob, alignment=4):
        while len(out) % alignment:
            out.append(0)
        at = len(out)
        out.extend(blob)
        return IMAGE_BASE + base_rva + at

    for text in MESSAGES + MENU_ITEMS + SETTINGS_KEYS:
        strings.append(add(text.encode("ascii") + b"\0"))
    for text in MENU_ITEMS:
        add(utf16(text.replace("\t", " ")), 2)
    add(crc32_table(), 16)
    add(crc16_table(), 16)
    # Code page 437 to Windows 1252, by the characters' Unicode names where both have them.
    cp_map = bytearray(range(128))
    for value in range(128, 256):
        try:
            cp_map.append(bytes([value]).decode("cp437").encode("cp1252")[0])
        except UnicodeEncodeError:
            cp_map.append(ord("?"))
    add(bytes(cp_map), 16)
    add(generated_font(rng), 16)
    add(toolbar_bitmap(rng), 16)
    # ANSI palette and its bright forms, 0x00BBGGRR.
    add(struct.pack("<16I", 0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
                    0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555,
                    0xFF55FF, 0xFFFF55, 0xFFFFFF))
    # Diagnostic texts of the internal checks, as a compiler would leave them.
    while len(out) < RDATA_SIZE - 4096:
        words = [rng.choice(WORDS) for _ in range(2 + rng.below(5))]
        kind = rng.below(4)
        if kind == 0:
            text = "%s.c(%d): %s" % (words[0], 10 + rng.below(3000), " ".join(words[1:]))
        elif kind == 1:
            text = "Assertion failed: %s != NULL" % "_".join(words)
        elif kind == 2:
            text = "".join(w.capitalize() for w in words)
        else:
            text = " ".join(words).capitalize() + "."
        strings.append(add(text.encode("ascii") + b"\0", 1))
    return pad(bytes(out), RDATA_SIZE), strings


# ----------------------------------------------------------------------------------------------
# .data: initialised tables


MODEMS = [
    ("Generic Hayes compatible", "ATZ^MAT E1 V1 Q0 X4 &C1 &D2^M", "ATDT", 2400),
    ("Generic 9600 bps", "AT&F E1 V1 Q0 X4 &C1 &D2^M", "ATDT", 9600),
    ("Generic 14400 bps", "AT&F E1 V1 Q0 X4 &C1 &D2 S7=60^M", "ATDT", 14400),
    ("Generic 28800 bps", "AT&F E1 V1 Q0 X4 &C1 &D2 S7=60 &K3^M", "ATDT", 28800),
    ("Null modem cable", "", "", 57600),
    ("Internal ISDN adapter", "AT&F E1 V1 Q0 &C1 &D2^M", "ATD", 57600),
]


def build_data(rng):
    out = bytearray()
    for name, init, dial, speed in MODEMS:
        out += struct.pack("<32s64s16sI", name.encode(), init.encode(), dial.encode(), speed)
    # Default settings as key/value records.
    for key in SETTINGS_KEYS:
        out += struct.pack("<24sI", key.encode(), rng.below(100))
    # Key maps of the three terminals: 128 keys, up to 8 bytes each.
    for terminal in range(3):
        for key in range(128):
            seq = b""
            if 59 <= key <= 68:
                seq = b"\x1bO" + bytes([ord("P") + (key - 59) % 4]) if terminal == 1 else b""
            elif key in (71, 72, 73, 75, 77, 79, 80, 81):
                seq = b"\x1b[" + bytes([ord("A") + key % 4])
            out += pad(seq, 8)
    # Scroll-back and line buffers start out empty, as in the program's image.
    out += bytes(DATA_SIZE - len(out) - 8192)
    # The remaining tables: dialling statistics seeds and a hash of the keyword list.
    while len(out) < DATA_SIZE:
        out += struct.pack("<HH", rng.below(2000), rng.below(65536))
    return pad(bytes(out), DATA_SIZE)


# ----------------------------------------------------------------------------------------------
# .text: code


def build_text(rng, text_rva, strings, data_rva):
    """Functions of plausible i386 code: prologue, body, epilogue, padded to 16 bytes."""
    out = bytearray()
    starts = []

    # The entry point: return at once (xor eax, eax; ret), so starting the stand-in does nothing.
    out += b"\x31\xC0\xC3"

    def emit_body(length):
        body = bytearray()
        while len(body) < length:
            pick = rng.below(22)
            disp = 4 * (1 + rng.below(30))
            if pick == 0:
                body += b"\x8B\x45" + bytes([8 + 4 * rng.below(5)])  # mov eax, [ebp+arg]
            elif pick == 1:
                body += b"\x89\x45" + bytes([(-disp) & 0xFF])  # mov [ebp-local], eax
            elif pick == 2:
                body += b"\x8B\x4D" + bytes([(-disp) & 0xFF])  # mov ecx, [ebp-local]
            elif pick == 3:
                body += b"\x68" + struct.pack("<I", rng.choice(strings))  # push offset text
            elif pick == 4 and starts:
                target = rng.choice(starts)
                here = text_rva + len(out) + len(body) + 5
                body += b"\xE8" + struct.pack("<i", target - here)  # call function
                body += b"\x83\xC4" + bytes([4 * (1 + rng.below(4))])  # add esp, n
            elif pick == 5:
                body += b"\x85\xC0" + bytes([0x74 + rng.below(2), 2 + rng.below(40)])  # test; jcc
            elif pick == 6:
                body += b"\x83\xF8" + bytes([rng.below(64)])  # cmp eax, imm8
            elif pick == 7:
                body += b"\x8D\x45" + bytes([(-disp) & 0xFF])  # lea eax, [ebp-local]
            elif pick == 8:
                body += bytes([0x50 + rng.choice([0, 1, 2, 6, 7])])  # push reg
            elif pick == 9:
                body += b"\xB8" + struct.pack("<I", rng.below(1 << 16))  # mov eax, imm32
            elif pick == 10:
                body += b"\x33\xC0"  # xor eax, eax
            elif pick == 11:
                body += b"\x8B\x70" + bytes([4 * rng.below(16)])  # mov esi, [eax+n]
            elif pick == 12:
                body += b"\xC7\x46" + bytes([4 * rng.below(16)]) + struct.pack("<I", rng.below(256))
            elif pick == 13:
                body += b"\x0F\xB6\x41" + bytes([rng.below(32)])  # movzx eax, byte [ecx+n]
            elif pick == 14:
                body += b"\xC1\xE0" + bytes([1 + rng.below(8)])  # shl eax, n
            elif pick == 15:
                body += b"\xA1" + struct.pack("<I", IMAGE_BASE + data_rva + 4 * rng.below(4096))
            elif pick == 16:
                body += b"\xA3" + struct.pack("<I", IMAGE_BASE + data_rva + 4 * rng.below(4096))
            elif pick == 17:
                body += b"\x3B\xC1" + bytes([0x7C + rng.below(4), 2 + rng.below(60)])
            elif pick == 18:
                body += b"\x40" if rng.below(2) else b"\x48"  # inc / dec eax
            elif pick == 19:
                body += b"\x8B\xF0\x8B\xFA"  # mov esi, eax; mov edi, edx
            elif pick == 20:
                body += b"\x03\xC1\x2B\xD0"  # add eax, ecx; sub edx, eax
            else:
                body += b"\xFF\x75" + bytes([8 + 4 * rng.below(4)])  # push [ebp+arg]
        return bytes(body)

    while True:
        while len(out) % 16:
            out.append(0xCC)
        length = 24 + rng.below(360)
        if len(out) + length + 32 > TEXT_SIZE:
            break
        starts.append(text_rva + len(out))
        frame = 4 * (1 + rng.below(40))
        out += b"\x55\x8B\xEC\x83\xEC" + bytes([frame]) + b"\x53\x56\x57"  # prologue
        out += emit_body(length)
        args = 4 * rng.below(4)
        out += b"\x5F\x5E\x5B\x8B\xE5\x5D"  # epilogue
        out += (b"\xC2" + struct.pack("<H", args)) if args else b"\xC3"
    return pad(bytes(out), TEXT_SIZE, b"\xCC"), starts


# ----------------------------------------------------------------------------------------------
# Headers


def dos_header_and_stub():
    message = b"Brontel needs Windows 95 or Windows NT.\r\n$"
    # push cs; pop ds; mov dx, 0Eh; mov ah, 9; int 21h; mov ax, 4C01h; int 21h
    stub = b"\x0E\x1F\xBA\x0E\x00\xB4\x09\xCD\x21\xB8\x01\x4C\xCD\x21" + message
    header = struct.pack("<2s13H8s2H20sI", b"MZ", 0x90, 3, 0, 4, 0, 0xFFFF, 0, 0xB8, 0, 0, 0,
                         0x40, 0, b"\0" * 8, 0, 0, b"\0" * 20, 0x100)
    return pad(header + stub, 0x100)


def section_header(name, virtual_size, rva, raw_size, raw_pointer, characteristics):
    return struct.pack("<8sIIIIIIHHI", name, virtual_size, rva, raw_size, raw_pointer, 0, 0, 0,
                       0, characteristics)


def build():
    rng = Random(0x42524E54)  # "BRNT"
    text_rva = 0x1000
    rdata_rva = text_rva + align(TEXT_SIZE, SECTION_ALIGN)
    data_rva = rdata_rva + align(RDATA_SIZE, SECTION_ALIGN)
    bss_rva = data_rva + align(DATA_SIZE, SECTION_ALIGN)
    image_size = bss_rva + align(BSS_SIZE, SECTION_ALIGN)

    rdata, strings = build_rdata(rng, rdata_rva)
    data = build_data(rng)
    text, _ = build_text(rng, text_rva, strings, data_rva)

    text_raw = HEADERS_SIZE
    rdata_raw = text_raw + len(text)
    data_raw = rdata_raw + len(rdata)

    coff = struct.pack("<4sHHIIIHH", b"PE\0\0", 0x014C, 4, TIMESTAMP, 0, 0, 0xE0, 0x010F)
    optional = struct.pack(
        "<HBBIIIIIIIIIHHHHHHIIIIHHIIIIII",
        0x010B, 2, 25, len(text), len(rdata) + len(data), BSS_SIZE, text_rva, text_rva,
        rdata_rva, IMAGE_BASE, SECTION_ALIGN, FILE_ALIGN, 4, 0, 2, 2, 4, 0, 0, image_size,
        HEADERS_SIZE, 0, 2, 0, 0x100000, 0x1000, 0x100000, 0x1000, 0, 16)
    optional += b"\0" * (16 * 8)  # no imports, no resources, no relocations
    sections = (
        section_header(b".text", TEXT_SIZE, text_rva, len(text), text_raw, 0x60000020)
        + section_header(b".rdata", RDATA_SIZE, rdata_rva, len(rdata), rdata_raw, 0x40000040)
        + section_header(b".data", DATA_SIZE, data_rva, len(data), data_raw, 0xC0000040)
        + section_header(b".bss", BSS_SIZE, bss_rva, 0, 0, 0xC0000080))
    headers = pad(dos_header_and_stub() + coff + optional + sections, HEADERS_SIZE)
    return headers + text + rdata + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "payload", "Brontel.exe")
    image = build()
    with open(output, "wb") as f:
        f.write(image)
    print("%s: %d bytes, crc32 %08X" % (output, len(image), zlib.crc32(image)))


if __name__ == "__main__":
    main()
