#!/usr/bin/env python3
"""Writes the seed corpus of the registry fuzz target (tests/fuzz/corpus/seed-*).

Each seed is a small registry as installers really leave it, in the input format described at
the top of registryfuzzer.cpp. Regression inputs (regress-*) are kept beside the seeds and are
not touched by this script. Run it again after changing the seeds; the output is deterministic.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus")

REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_QWORD = 0, 1, 2, 3, 4, 7, 11
HKLM64, HKLM32, HKCU = 0, 1, 2
SYSTEM64, SYSTEM32 = 1, 0


def s(data):
    if isinstance(data, str):
        data = data.encode("utf-8")
    return struct.pack("<H", len(data)) + data


def sz(text, type_=REG_SZ):
    return (text.encode("utf-8") if isinstance(text, str) else text) + b"\0", type_


def dword(n):
    return struct.pack("<I", n), REG_DWORD


def qword(n):
    return struct.pack("<Q", n), REG_QWORD


def encoded(value):
    """(bytes, type) of a value: text becomes a NUL-terminated REG_SZ; a tuple is taken as it is."""
    if not isinstance(value, tuple):
        return sz(value)
    data, type_ = value
    return (data.encode("utf-8") if isinstance(data, str) else data), type_


class Seed:
    def __init__(self, flags=SYSTEM64):
        self.out = bytes([flags])

    def entry(self, place, subkey, values):
        for name, value in values.items():
            data, type_ = encoded(value)
            self.out += bytes([place]) + s(subkey) + s(name) + struct.pack("<I", type_) + s(data)
        return self

    def muicache(self, name, value, per_user=False):
        data, type_ = encoded(value)
        self.out += bytes([9 if per_user else 3]) + s(name) + struct.pack("<I", type_) + s(data)
        return self

    def empty_key(self, place, subkey):
        self.out += bytes([4, place]) + s(subkey)
        return self

    def query(self, place, subkey, name, path):
        self.out += bytes([5, place]) + s(subkey) + s(name) + s(path)
        return self


def nsis_machine():
    return Seed().entry(HKLM64, "Tidewater Editor", {
        "DisplayName": "Tidewater Editor 3.2",
        "UninstallString": '"C:\\Program Files\\Tidewater Editor\\uninstall.exe"',
        "QuietUninstallString": '"C:\\Program Files\\Tidewater Editor\\uninstall.exe" /S',
        "DisplayIcon": "C:\\Program Files\\Tidewater Editor\\tidewater.exe,0",
        "InstallLocation": "C:\\Program Files\\Tidewater Editor",
        "Publisher": "Tidewater Labs",
        "DisplayVersion": "3.2.1",
        "EstimatedSize": dword(48213),
        "NoModify": dword(1),
        "NoRepair": dword(1),
    }).muicache("C:\\Program Files\\Tidewater Editor\\tidewater.exe.FriendlyAppName", "Tidewater Editor") \
      .muicache("C:\\Program Files\\Tidewater Editor\\tidewater.exe.ApplicationCompany", "Tidewater Labs")


def inno_wow64():
    return Seed().entry(HKLM32, "Brightline Notes_is1", {
        "Inno Setup: Setup Version": "6.2.2",
        "Inno Setup: App Path": "C:\\Program Files (x86)\\Brightline Notes",
        "InstallLocation": "C:\\Program Files (x86)\\Brightline Notes\\",
        "Inno Setup: Icon Group": "Brightline\\Brightline Notes",
        "Inno Setup: User": "fuzz",
        "DisplayName": "Brightline Notes version 1.4",
        "DisplayIcon": "C:\\Program Files (x86)\\Brightline Notes\\notes.exe",
        "UninstallString": '"C:\\Program Files (x86)\\Brightline Notes\\unins000.exe"',
        "QuietUninstallString": '"C:\\Program Files (x86)\\Brightline Notes\\unins000.exe" /SILENT',
        "DisplayVersion": "1.4",
        "Publisher": "Brightline Software",
        "URLInfoAbout": "https://brightline.example/",
        "InstallDate": "20240311",
        "MajorVersion": dword(1),
        "MinorVersion": dword(4),
        "EstimatedSize": dword(9120),
    }).muicache("C:\\Program Files (x86)\\Brightline Notes\\notes.exe.FriendlyAppName", "Brightline Notes")


def msi_with_update():
    product = "{6F2A1C44-8B1D-4E0B-9F21-3C5D7E9A0B12}"
    return Seed().entry(HKLM64, product, {
        "AuthorizedCDFPrefix": "",
        "Comments": "",
        "DisplayName": "Harbor Runtime 2.1 (x64)",
        "DisplayVersion": "2.1.4410",
        "EstimatedSize": dword(21504),
        "InstallDate": "20231102",
        "InstallLocation": "",
        "InstallSource": "C:\\Users\\fuzz\\Downloads\\",
        "ModifyPath": ("MsiExec.exe /I" + product).encode() + b"\0",
        "Publisher": "Harbor Systems",
        "UninstallString": "MsiExec.exe /X" + product,
        "Version": dword(0x02011138),
        "WindowsInstaller": dword(1),
    }).entry(HKLM64, "KB5031356", {
        "DisplayName": "Security Update for Harbor Runtime 2.1 (KB5031356)",
        "ParentKeyName": product,
        "ParentDisplayName": "Harbor Runtime 2.1 (x64)",
        "ReleaseType": "Security Update",
        "UninstallString": "MsiExec.exe /X{0B0F4E2C-1111-4A4A-9C9C-ABCDEF012345}",
    }).entry(HKLM64, "HarborRuntimeHotfix", {
        "DisplayName": "Hotfix for Harbor Runtime",
        "ParentKeyName": "Harbor Runtime Suite",
        "ReleaseType": "Hotfix",
        "UninstallString": "C:\\Windows\\hotfix.exe /remove",
    }).entry(HKLM64, "HarborMinor", {
        "DisplayName": "Harbor Runtime minor upgrade",
        "ParentKeyName": "Elsewhere",
        "IsMinorUpgrade": dword(1),
        "UninstallString": "C:\\Windows\\minor.exe",
    }).entry(HKLM64, "HarborDriver", {
        "DisplayName": "Harbor Driver Package",
        "SystemComponent": dword(1),
        "UninstallString": "C:\\Windows\\System32\\pnputil.exe /d harbor.inf",
    })


def msi_commands():
    """Windows Installer entries as packages, bootstrappers and hand-made keys leave them."""
    code = "{3C1D5E7F-2A4B-4C6D-8E0F-1A2B3C4D5E6F}"
    return Seed().entry(HKLM64, code.lower(), {
        "DisplayName": "Quarry Toolkit",
        "UninstallString": "\"C:\\ProgramData\\Package Cache\\" + code + "\\setup.exe\" /uninstall",
        "WindowsInstaller": dword(1),
    }).entry(HKLM32, "Quarry Viewer", {
        "DisplayName": "Quarry Viewer",
        "UninstallString": "\"C:\\Windows\\SysWOW64\\msiexec.exe\" -x {7D9E0F1A-2B3C-4D5E-6F70-8192A3B4C5D6}",
    }).entry(HKLM64, "{8E0F1A2B-3C4D-4E5F-8071-92A3B4C5D6E7}", {
        "DisplayName": "Quarry Service",
        "UninstallString": "MsiExec.exe /I{8E0F1A2B-3C4D-4E5F-8071-92A3B4C5D6E7}",
        "QuietUninstallString": "MsiExec.exe /X{8E0F1A2B-3C4D-4E5F-8071-92A3B4C5D6E7} /qn",
        "WindowsInstaller": dword(1),
    }).entry(HKCU, "{9F1A2B3C-4D5E-4F60-8172-A3B4C5D6E7F8}", {
        "DisplayName": "Quarry Notes",
        "UninstallString": "C:\\Users\\fuzz\\AppData\\Local\\Quarry\\uninst.exe",
        "WindowsInstaller": "1",
    }).entry(HKLM64, "{0A1B2C3D-4E5F-4061-8273-94A5B6C7D8E}", {
        "DisplayName": "Quarry Almost",
        "UninstallString": "msiexec /i {0A1B2C3D-4E5F-4061-8273-94A5B6C7D8EG}",
        "WindowsInstaller": dword(1),
    })


def per_user():
    return Seed().entry(HKCU, "quillpad", {
        "DisplayName": "Quillpad",
        "DisplayIcon": '"C:\\users\\fuzz\\AppData\\Local\\Programs\\quillpad\\Quillpad.exe",0',
        "UninstallString": '"C:\\users\\fuzz\\AppData\\Local\\Programs\\quillpad\\Uninstall Quillpad.exe" /currentuser',
        "QuietUninstallString": '"C:\\users\\fuzz\\AppData\\Local\\Programs\\quillpad\\Uninstall Quillpad.exe" /currentuser /S',
        "InstallLocation": "C:\\users\\fuzz\\AppData\\Local\\Programs\\quillpad",
        "Publisher": "Quill Co.",
        "DisplayVersion": "0.9.8",
        "EstimatedSize": qword(120 * 1024),
    }).entry(HKLM64, "quillpad", {
        # The same program registered per machine too: listed twice.
        "DisplayName": "Quillpad",
        "UninstallString": "C:\\Program Files\\Quillpad\\Uninstall Quillpad.exe",
        "InstallLocation": "C:\\Program Files\\Quillpad",
    }).muicache("C:\\users\\fuzz\\AppData\\Local\\Programs\\quillpad\\Quillpad.exe.FriendlyAppName", "Quillpad", True)


def no_install_location():
    # The install path comes from the icon, then from the uninstaller's file title.
    return Seed(SYSTEM32).entry(HKLM32, "Stonebridge Tool", {
        "DisplayName": "Stonebridge Tool",
        "DisplayIcon": "C:\\Apps\\Tool\\tool.exe",
        "UninstallString": "C:\\Apps\\Tool\\uninst.exe",
    }).entry(HKLM32, "Stonebridge Helper", {
        "DisplayName": "Stonebridge Helper",
        "UninstallString": "C:\\Apps\\Helper\\unins000.exe",
    }).entry(HKCU, "Stonebridge Tool", {
        "DisplayName": "Stonebridge Tool (per user)",
        "UninstallString": "x.ex",
    }).muicache("C:\\Apps\\Tool\\tool.exe.FriendlyAppName", "Stonebridge Tool") \
      .query(HKLM32, "Stonebridge Tool", "Stonebridge Tool", "C:\\Apps\\Tool\\tool.exe")


def awkward_values():
    # What real entries sometimes hold: expandable and multi-strings, numbers as text, sizes
    # of 3 GiB and more, texts that just fit or just miss the 260-byte fields.
    name259 = "N" * 259
    name260 = "L" * 260
    return Seed().entry(HKLM64, "Expandable", {
        "DisplayName": "Expandable Paths",
        "UninstallString": sz("%ProgramFiles%\\Expandable\\uninst.exe", REG_EXPAND_SZ),
        "InstallLocation": sz("%ProgramFiles%\\Expandable", REG_EXPAND_SZ),
        "DisplayIcon": sz(b"C:\\Expandable\\a.ico\0C:\\second.ico\0", REG_MULTI_SZ),
        "EstimatedSize": sz("1234"),
        "SystemComponent": sz("1"),
    }).entry(HKLM64, "Huge", {
        "DisplayName": "Huge Program",
        "UninstallString": "C:\\Huge\\uninst.exe",
        "EstimatedSize": dword(3145728),
        "InstallLocation": "C:\\",
    }).entry(HKLM64, "JustBelow", {
        "DisplayName": "Just Below 3 GiB",
        "UninstallString": "C:\\Program Files\\uninst.exe",
        "EstimatedSize": dword(3145727),
        "InstallLocation": "C:\\Program Files",
    }).entry(HKLM64, "Long259", {
        "DisplayName": name259,
        "UninstallString": "C:\\L\\u.exe",
        "Publisher": name260,
        "DisplayVersion": (b"1.0" * 100, REG_BINARY),
    }).entry(HKLM64, "Long260", {
        "DisplayName": name260,
        "UninstallString": "C:\\L\\u.exe",
    }).entry(HKLM64, "Unsupported", {
        "DisplayName": "Unsupported Uninstaller",
        "UninstallString": "(Unsupported)",
        "QuietUninstallString": "C:\\q.exe /S",
    }).entry(HKLM64, "NoTerminator", {
        "DisplayName": (b"Binary Name", REG_BINARY),
        "UninstallString": (b"C:\\nul\\term.exe", REG_SZ),
        "DisplayIcon": ('"C:\\Quoted\\app.exe",-101', REG_NONE),
    }).empty_key(HKLM64, "EmptyKey") \
      .empty_key(HKCU, "Nested\\Deeper\\Key") \
      .muicache("C:\\Program Files\\JustBelow.exe", (b"\x01\x02", REG_BINARY)) \
      .muicache("", "default value")


def quoting():
    return Seed().entry(HKLM64, "Quoted", {
        "DisplayName": "Quoted, Comma \"Name\"",
        "DisplayIcon": '"C:\\Program Files\\Comma, Inc\\app.exe",-101',
        "InstallLocation": '"C:\\Program Files\\Comma, Inc\\"',
        "UninstallString": '"C:\\Program Files\\Comma, Inc\\uninstall.exe" /uninstall',
        "Inno Setup: Icon Group": "Comma, Inc\\",
    }).entry(HKLM64, "OnlyQuotes", {
        "DisplayName": "\"",
        "DisplayIcon": '"""',
        "InstallLocation": "\\",
        "UninstallString": "\\\\\\\\",
    }).query(HKLM64, "Quoted", "Quoted", "\"").query(HKLM64, "", "", "C:\\Program Files\\Comma")


def shared_names():
    # Another installed program whose name contains this one's: the leftover query must still
    # stay inside the uninstall entries it names.
    return Seed().entry(HKLM64, "Lumen", {
        "DisplayName": "Lumen",
        "UninstallString": "C:\\Program Files\\Lumen\\uninstall.exe",
        "InstallLocation": "C:\\Program Files\\Lumen",
    }).entry(HKLM64, "Lumen Pro", {
        "DisplayName": "Lumen Pro",
        "UninstallString": "C:\\Program Files\\Lumen Pro\\uninstall.exe",
        "InstallLocation": "C:\\Program Files\\Lumen Pro",
    }).entry(HKLM32, "Lumen", {
        "DisplayName": "lumen (32-bit)",
        "UninstallString": "C:\\Program Files (x86)\\Lumen\\uninstall.exe",
    }).entry(HKCU, "Lumen", {
        "DisplayName": "LUMEN",
        "UninstallString": "C:\\users\\fuzz\\Lumen\\uninstall.exe",
    }).muicache("C:\\Program Files\\Lumen\\lumen.exe.FriendlyAppName", "Lumen") \
      .muicache("C:\\Program Files\\Lumen Pro\\lumen.exe.FriendlyAppName", "Lumen Pro")


def non_ascii():
    return Seed().entry(HKLM64, "Über Tööl", {
        "DisplayName": "Über Tööl – Ausgabe 2",
        "UninstallString": "C:\\Programme\\Über Tööl\\uninst.exe",
        "InstallLocation": "C:\\Programme\\Über Tööl",
        "Publisher": (b"Caf\xe9 Soft\0", REG_SZ),  # Latin-1, not UTF-8
        "DisplayVersion": (b"\xff\xfe1\x002\x00\0", REG_SZ),
    }).muicache("C:\\Programme\\Über Tööl\\tool.exe.FriendlyAppName", "Über Tööl")


def empty_name():
    # A DisplayName that reads as empty text is still listed; its registry leftovers are its
    # own entry, never every entry an empty name would match.
    return Seed().entry(HKLM64, "Nameless", {
        "DisplayName": b"\0\0\0\0tail\0",
        "UninstallString": "C:\\Nameless\\uninst.exe",
        "InstallLocation": "C:\\Nameless",
    }).entry(HKLM64, "Bystander", {
        "DisplayName": "Bystander",
        "UninstallString": "C:\\Bystander\\uninst.exe",
    }).entry(HKCU, "Bystander", {
        "DisplayName": "Bystander",
        "UninstallString": "C:\\Bystander\\uninst.exe",
    }).query(HKLM64, "Bystander", "", "C:\\Nameless").query(HKCU, "Nameless", "", "C:\\")


def hostile_paths():
    # Entries that name shared places, spelled the ways Windows accepts, and MuiCache values in
    # them: nothing of this may become a leftover of anyone.
    seed = Seed()
    places = [
        "C:\\", "c:", "C:/", "C:\\Program Files.", "c:/program files/", "C:\\PROGRAM FILES (X86)\\\\",
        "C:\\Windows\\System32\\..", "\\\\?\\C:\\Windows", "C:\\users\\fuzz\\AppData\\Roaming\\",
        "C:\\ProgramData ", "C:\\users", "C:\\Program Files\\Common Files", "C:windows", "D:\\",
        "\\\\server\\share\\App", "C:\\users\\fuzz\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
    ]
    for i, place in enumerate(places):
        seed.entry(HKLM64 if i % 2 else HKCU, "Hostile%d" % i, {
            "DisplayName": "Hostile %d" % i,
            "UninstallString": place + "\\uninst.exe",
            "InstallLocation": place,
            "DisplayIcon": '"%s",0' % place,
        }).muicache(place + "\\app%d.exe.FriendlyAppName" % i, "App %d" % i)
    # A still-installed program in Program Files whose folder the hostile entries surround.
    seed.entry(HKLM64, "Resident", {
        "DisplayName": "Resident Suite",
        "UninstallString": '"C:\\Program Files\\Resident Suite\\uninstall.exe"',
        "InstallLocation": "C:\\Program Files\\Resident Suite",
    }).entry(HKLM32, "Resident Sub", {
        "DisplayName": "Resident",
        "UninstallString": "C:\\Program Files\\uninstall.exe",
        "InstallLocation": "C:\\Program Files\\Resident",
    }).muicache("C:\\Program Files\\Resident Suite\\suite.exe.FriendlyAppName", "Resident Suite") \
      .muicache("@C:\\Program Files\\Resident\\tool.exe.ApplicationCompany", "Resident", True)
    return seed


SEEDS = {
    "seed-nsis-machine64": nsis_machine,
    "seed-inno-wow64": inno_wow64,
    "seed-msi-with-updates": msi_with_update,
    "seed-msi-commands": msi_commands,
    "seed-per-user": per_user,
    "seed-no-install-location": no_install_location,
    "seed-awkward-values": awkward_values,
    "seed-quoting": quoting,
    "seed-shared-names": shared_names,
    "seed-non-ascii": non_ascii,
    "seed-empty-display-name": empty_name,
    "seed-hostile-paths": hostile_paths,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    everything = bytes([SYSTEM64])
    for name, make in SEEDS.items():
        data = make().out
        everything += data[1:]
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
    with open(os.path.join(OUT, "seed-everything"), "wb") as f:
        f.write(everything)


if __name__ == "__main__":
    main()
