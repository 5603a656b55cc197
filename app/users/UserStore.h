// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariantMap>

class CiclaraTable;

// The per-user folders below the data root and the tables in them.
namespace UserStore {

// The characters a user name may not hold.
QString ForbiddenNameCharacters();
bool HasForbiddenCharacter(const QString& name);
// A name that can be a user folder: not empty or blank, none of the forbidden
// characters, and not ".", ".." or "Data".
bool IsValidUserName(const QString& name);
// ProgramDir + name, or an empty string for a name that cannot be a user folder.
QString UserFolder(const QString& name);
// ProgramDir + name + "/" + file, or empty for an invalid name.
QString UserFile(const QString& name, const QString& fileName);

// Makes sure the four tables exist in CurrentUserDir, creating the missing ones empty.
// Works through the given table object when one is passed (it is left pointing at
// System.dat); returns false when a table could not be created.
bool CreateMissingTables(CiclaraTable* table = nullptr);

// Creates a complete user with default settings. Refuses (ExistingUserError, false) when
// the folder exists, and an invalid name.
bool CreateDefaultUser(const QString& name);

// Clears the list and fills it with every user on disk, in the order the file system
// gives them: folders holding Cycle.dat, never "Data".
void ListUsers(QStringList& list);
QStringList ListUsers();

// The product version compiled into the program with its second character removed
// ("3.03" gives "303"). The path is the program file; it is not read.
QString GetProductVersion(const QString& programPath = QString());

// Removes the user's files (not her sub-folders) and then her folder if it is empty.
// Returns false only when the name is invalid or a file could not be removed.
bool DeleteUserData(const QString& name);

// The schedule queries on a user's Pills.dat: one month (both bounds included), as a
// read or a delete in one transaction, and the days with a pill.
QList<QVariantMap> SelectMonth(const QString& pillsPath, const QDate& first, const QDate& second);
bool DeleteMonth(const QString& pillsPath, const QDate& first, const QDate& second);
QList<QVariantMap> SelectPillDays(const QString& pillsPath);

} // namespace UserStore
