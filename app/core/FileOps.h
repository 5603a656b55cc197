// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Quiet file operations: no prompts, no windows.
namespace FileOps {

// Whether ProgramDir + name + "/Backup" exists (the name of the folder is matched without
// regard to case). An invalid user name has no backup.
bool BackupFolderExists(const QString& name);
// The backup folder's path as it is on disk, or an empty string.
QString BackupFolder(const QString& name);

// Copies the files (not sub-folders) matching a pattern ("folder/*.*" or "folder/*") into
// a folder, overwriting. Each file is written beside its target first and then renamed
// over it, so a killed process leaves either the old or the new file.
bool CopyFilesQuietly(const QString& sourcePattern, const QString& destinationFolder);

// Removes a folder with everything in it.
bool DeleteTreeQuietly(const QString& folder);

} // namespace FileOps
