#!/usr/bin/env python3
"""Reads back what a Windows program carries in its resources: the version
resource (the numbers and every string of it) and how many icons it has.

  python3 tools/exe_resources.py hulgor.exe

prints one line each, for the release check to compare with version.h:
  FILEVERSION 0.2.0.0
  PRODUCTVERSION 0.2.0.0
  FILEFLAGS 0x2
  ProductName Hulgor – der Barbar
  ...
  ICONS 6
Ends with status 1 when the file has no version resource.
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def sections(exe):
    """The resource directory's RVA and the section table of a PE file."""
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    if exe[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count, optional_size = struct.unpack_from("<H12xH", exe, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", exe, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    resource_rva = struct.unpack_from("<I", exe, directories + 2 * 8)[0]
    table = optional + optional_size
    found = []
    for index in range(count):
        virtual_size, rva, raw_size, raw = struct.unpack_from("<IIII", exe, table + index * 40 + 8)
        found.append((rva, max(virtual_size, raw_size), raw))
    return resource_rva, found


def file_offset(rva, found):
    for start, size, raw in found:
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError(f"RVA {rva:#x} lies in no section")


def entries(exe, base, directory):
    """(id, offset, is_directory) for each entry of a resource directory."""
    named, ids = struct.unpack_from("<HH", exe, base + directory + 12)
    for index in range(named + ids):
        name, target = struct.unpack_from("<II", exe, base + directory + 16 + index * 8)
        yield name, target & 0x7FFFFFFF, bool(target & 0x80000000)


def leaves(exe, base, directory):
    """The data (rva, size) of every leaf below a directory."""
    for _, target, is_directory in entries(exe, base, directory):
        if is_directory:
            yield from leaves(exe, base, target)
        else:
            yield struct.unpack_from("<II", exe, base + target)


def resources(exe):
    """{type id: [bytes of each resource of that type]}"""
    resource_rva, found = sections(exe)
    if resource_rva == 0:
        return {}
    base = file_offset(resource_rva, found)
    by_type = {}
    for type_id, target, is_directory in entries(exe, base, 0):
        if is_directory:
            by_type[type_id] = [exe[file_offset(rva, found):file_offset(rva, found) + size]
                                for rva, size in leaves(exe, base, target)]
    return by_type


def node(data, offset):
    """One block of a version resource: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    position = (key_end + 2 + 3) & ~3
    if kind == 1:  # text, its length counted in characters
        value = data[position:position + 2 * value_length].decode("utf-16-le").rstrip("\0")
        position += 2 * value_length
    else:
        value = data[position:position + value_length]
        position += value_length
    position = (position + 3) & ~3
    children = []
    while position < end:
        child = node(data, position)
        children.append(child)
        position = (child[3] + 3) & ~3
    return key, value, children, end


def version_lines(data):
    key, fixed, children, _ = node(data, 0)
    if key != "VS_VERSION_INFO" or struct.unpack_from("<I", fixed, 0)[0] != 0xFEEF04BD:
        raise ValueError("not a version resource")
    file_ms, file_ls, product_ms, product_ls, _, flags = struct.unpack_from("<6I", fixed, 8)
    numbers = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    lines = [f"FILEVERSION {numbers(file_ms, file_ls)}", f"PRODUCTVERSION {numbers(product_ms, product_ls)}",
             f"FILEFLAGS {flags:#x}"]
    for block_key, _, tables, _ in children:
        if block_key == "StringFileInfo":
            for language, _, strings, _ in tables:
                lines.append(f"LANGUAGE {language}")
                lines += [f"{name} {text}" for name, text, _, _ in strings]
    return lines


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: exe_resources.py PROGRAM.exe")
    with open(sys.argv[1], "rb") as file:
        exe = file.read()
    found = resources(exe)
    if RT_VERSION not in found:
        print(f"{sys.argv[1]}: no version resource", file=sys.stderr)
        return 1
    for line in version_lines(found[RT_VERSION][0]):
        print(line)
    print(f"ICONS {len(found.get(RT_ICON, []))}")
    print(f"ICON_GROUPS {len(found.get(RT_GROUP_ICON, []))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
