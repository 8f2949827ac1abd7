#pragma once
// Whether a program is still installed after its uninstaller ended: one rule for the uninstall
// run (which reports "Not uninstalled") and for the leftover cleaner (which then touches
// nothing). A program is still installed while its own uninstall entry is listed and the
// uninstaller that entry names is still on disk; an entry whose uninstaller is gone is what an
// uninstall that forgot its key leaves behind.
#include "inventory/installedprogram.h"
#include "platform/platform.h"

// Whether `entry` is the removed program's own uninstall entry: read from the same root, view
// and subkey, or, for a record that does not say where it was read, of the same name and
// command.
bool IsSameEntry(const InstalledProgram &entry, const InstalledProgram &program);

// Whether the uninstaller an entry names is gone from disk. False when it cannot tell (no path
// in the command, no way to the file system, its drive is not there): such a program counts as
// installed.
bool UninstallerIsGone(const InstalledProgram &entry, const pw::Platform &platform);

// Whether `entry` is an orphaned twin of the removed `program`: another uninstall entry (the
// other registry view, or per user) with exactly the same, non-empty DisplayName, whose
// uninstaller is gone. Installers that register a program twice leave the second entry behind
// when the uninstall removes the first; it is the removed program's and goes with it. A twin
// whose uninstaller is still on disk is another installation and stays.
bool IsOrphanedTwin(const InstalledProgram &entry, const InstalledProgram &program, const pw::Platform &platform);

// The rule, against the entries of a scan made after the uninstaller ended (programs and
// updates).
bool IsStillInstalled(const InstalledProgram &program, const InstalledProgramList &entries,
                      const pw::Platform &platform);

// The same with a scan of its own through `platform`. Without a registry it cannot tell and
// answers true: a program that may still be there is never reported removed nor cleaned.
bool IsStillInstalled(const InstalledProgram &program, const pw::Platform &platform);
