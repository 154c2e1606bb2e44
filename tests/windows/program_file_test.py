"""Tolm.exe read back as Windows reads it (Python's pefile): it imports only Windows' own DLLs, and
carries the icon group 1 with its three images, the version record and the application manifest;
the zip holds Tolm.exe at its root with the licences and the read-me."""
import argparse
import sys
import zipfile

import pefile

# Windows' own libraries; a DLL beyond these would have to be shipped beside the program.
SYSTEM_DLLS = {"KERNEL32.dll", "USER32.dll", "GDI32.dll", "COMCTL32.dll", "msvcrt.dll", "ADVAPI32.dll", "SHELL32.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ICON_IMAGES = [(30001, 32, 1, 304), (30002, 32, 4, 744), (30003, 16, 4, 296)]
VERSION_STRINGS = ["CompanyName", "ProductName", "FileVersion", "ProductVersion", "InternalName", "OriginalFilename"]
MANIFEST_NEEDS = ["PerMonitorV2", "Microsoft.Windows.Common-Controls", 'version="6.0.0.0"',
                  "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"]
ZIP_NEEDS = ["Tolm.exe", "LICENSE", "README.txt"]


def resources(pe):
    """(type, id) -> bytes, of every resource in the file."""
    out = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                out[(kind.id, name.id)] = pe.get_data(entry.OffsetToData, entry.Size)
    return out


def faults(exe, archive):
    found = []
    pe = pefile.PE(exe)
    imports = {entry.dll.decode() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    if imports - SYSTEM_DLLS:
        found.append(f"imports DLLs that Windows does not have: {sorted(imports - SYSTEM_DLLS)}")
    held = resources(pe)
    group = held.get((RT_GROUP_ICON, 1))
    if group is None or len(group) != 6 + 14 * len(ICON_IMAGES):
        found.append("no icon group 1 of three entries")
    else:
        for i, (image, size, bits, length) in enumerate(ICON_IMAGES):
            entry = group[6 + 14 * i:6 + 14 * (i + 1)]
            got = (int.from_bytes(entry[12:14], "little"), entry[0], int.from_bytes(entry[6:8], "little"),
                   int.from_bytes(entry[8:12], "little"))
            if got != (image, size, bits, length) or len(held.get((RT_ICON, image), b"")) != length:
                found.append(f"icon entry {i + 1} is {got}, not {(image, size, bits, length)}")
    if not hasattr(pe, "VS_FIXEDFILEINFO"):
        found.append("no version record")
    else:
        fixed = pe.VS_FIXEDFILEINFO[0]
        got = (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS,
               fixed.FileOS, fixed.FileType)
        if got != (0x10000, 0, 0x10000, 0, 4, 1):
            found.append(f"the version record's fixed part is {got}")
        tables = [t for info in pe.FileInfo[0] if info.Key == b"StringFileInfo" for t in info.StringTable]
        if [t.LangID for t in tables] != [b"040904B0"] or [k.decode() for k in tables[0].entries] != VERSION_STRINGS:
            found.append(f"the string table is {[(t.LangID, list(t.entries)) for t in tables]}")
        elif (tables[0].entries[b"FileVersion"], tables[0].entries[b"ProductVersion"]) != (b"1.00", b"1.00"):
            found.append("the versions in the string table are not 1.00")
    manifest = held.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    found += [f"the manifest lacks {need}" for need in MANIFEST_NEEDS if need not in manifest]
    with zipfile.ZipFile(archive) as z:
        names = z.namelist()
        found += [f"the zip lacks {need} at its root" for need in ZIP_NEEDS if need not in names]
        if not any(n.startswith("licences/") and n.endswith("copyright.txt") for n in names):
            found.append("the zip holds no licence of the fonts")
        if "Tolm.exe" in names and z.read("Tolm.exe") != open(exe, "rb").read():
            found.append("the zip's Tolm.exe is not the one built")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--zip", required=True)
    options = parser.parse_args()
    found = faults(options.exe, options.zip)
    for fault in found:
        print(f"FAIL: {fault}")
    if found:
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
