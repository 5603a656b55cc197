// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The first start after installation places the program in the desktop: a launcher on the
// desktop, entries in the applications menu, and the settings the link library needs.
namespace FirstRun {

struct Locations
{
    QString programPath;     // full path of the program file
    QString programDir;      // its folder: help, manuals and the uninstaller lie there
    QString desktopDir;      // the user's desktop folder
    QString applicationsDir; // the user's applications (menu entries) folder
};

// The running program and the user's standard folders.
Locations DefaultLocations();

// The menu group the entries go in.
QString GroupName(bool bulgarianModuleExists);

// A program path as one argument of an Exec line, quoted and escaped as desktop entries
// require.
QString ExecArgument(const QString& path);

// The text of a desktop entry that starts a program, and of one that opens a file.
QString ApplicationEntry(const QString& name, const QString& program, const QString& workingDir);
QString LinkEntry(const QString& name, const QString& target);

// Runs the installation: registers the conduit, writes the launcher and the menu entries
// (the help and manual entries only when the menu had no program entry yet, so a
// reinstallation keeps whatever stands there), and records the program's path and version
// in the settings. The outcome of each step is not looked at.
void Install(const Locations& where, bool bulgarianModuleExists);

} // namespace FirstRun
