#!/usr/bin/env python3
"""Every program and library that setup installs loads on Windows 7.

Wine resolves imports against its own newer DLLs, and the compiler declares functions of later
Windows whatever version the build names, so neither shows an import that Windows 7 lacks: the
loader there refuses the program before any of its code runs. This reads each file's import
table and compares it with the list of allowed imports, each with the oldest Windows that has
it. An import not in the list fails until it is added with its version; one newer than
Windows 7 fails outright.

    check_imports.py --allowed <list> <file or folder>...
"""
import argparse
import pathlib
import struct
import sys

# Oldest first; "suite" marks a library that setup installs with the programs.
WINDOWS = ["suite", "2000", "XP", "Vista", "7", "8", "8.1", "10"]
OLDEST_TARGET = WINDOWS.index("7")
PE_SUFFIXES = {".exe", ".dll", ".mui", ".sys"}


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.wide = magic == 0x20B
        directories = optional + (112 if self.wide else 96)
        self.import_directory = struct.unpack_from("<II", data, directories + 8)
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def names(self, thunks):
        """The functions a name table asks for: names, or '#n' for ordinals."""
        size, flag = (8, 1 << 63) if self.wide else (4, 1 << 31)
        at = self.offset(thunks)
        while True:
            entry = int.from_bytes(self.data[at:at + size], "little")
            if entry == 0:
                return
            yield f"#{entry & 0xFFFF}" if entry & flag else self.text((entry & 0x7FFFFFFF) + 2)
            at += size

    def imports(self):
        """(dll, function) for every import."""
        rva, size = self.import_directory
        at = self.offset(rva) if size else None
        while at is not None:
            name_table, _, _, dll, address_table = struct.unpack_from("<5I", self.data, at)
            if dll == 0:
                break
            for function in self.names(name_table or address_table):
                yield self.text(dll).lower(), function
            at += 20


def read_allowed(path):
    allowed = {}
    for number, line in enumerate(path.read_text().splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        dll, function, windows = line.split()
        if windows not in WINDOWS:
            sys.exit(f"{path}:{number}: '{windows}' is none of {', '.join(WINDOWS)}")
        allowed[(dll.lower(), function)] = windows
    return allowed


def problems(image_path, allowed):
    for dll, function in sorted(set(Image(image_path.read_bytes()).imports())):
        windows = allowed.get((dll, function))
        if windows is None:
            yield f"{image_path.name}: {dll} {function} is not in the list: add it with the oldest Windows that has it"
        elif WINDOWS.index(windows) > OLDEST_TARGET:
            yield f"{image_path.name}: {dll} {function} needs Windows {windows}, the suite runs on Windows 7"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--allowed", type=pathlib.Path, required=True)
    parser.add_argument("paths", type=pathlib.Path, nargs="+")
    args = parser.parse_args()
    allowed = read_allowed(args.allowed)
    files = []
    for path in args.paths:
        files += sorted(p for p in path.rglob("*") if p.suffix.lower() in PE_SUFFIXES) if path.is_dir() else [path]
    if not files:
        sys.exit("no programs or libraries found")
    found = [problem for image_path in files for problem in problems(image_path, allowed)]
    print("\n".join(found) or f"{len(files)} files import only what Windows 7 has")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
