// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class CiclaraTable;

// What the three user dialogs decide: the name and password rules, adding a user, editing
// and renaming one, switching the active user and the rules for editing and deleting.
// Nothing here shows a window: each operation returns an Outcome, and the dialog shows its
// message and puts the focus where it says.
namespace UserAccounts {

constexpr int MaxPasswordLength = 20;
// The Version stamp of a user made in the new-user dialog.
inline QString DialogUserVersion()
{
    return QStringLiteral("1.1.1.0");
}

// The field a refusal puts the focus on.
enum class Field
{
    None,
    Name,
    Password,
    RePassword,
    UserList
};

struct Outcome
{
    bool ok = true;
    const char* message = nullptr; // label of the resources texts, none when null
    int kind = 0;                  // Msg::Kind of the message
    QString argument;              // fills the text's %s
    Field focus = Field::None;

    // The translated message with its argument, or an empty string without a message.
    QString text() const;

    static Outcome Done() { return Outcome(); }
    static Outcome Refused(const char* message, int kind, Field focus,
                           const QString& argument = QString());
};

// Hooks the main window installs. Each one is called only when it is set.
struct Hooks
{
    // Writes the schedule screen's unsaved day into the files of the user it belongs to.
    // Called before the active user changes and before her folder is renamed.
    std::function<void()> storePendingScheduleDay;
    // Close and reopen every table the main window and its screens hold on the active
    // user's files; reopening reads the active user afresh, so after a rename it opens the
    // tables under the new name, after a refused rename under the old one.
    std::function<void()> closeActiveUserTables;
    std::function<void()> reopenActiveUserTables;
    // Moves a user folder; QDir::rename (which never replaces an existing entry) when unset.
    std::function<bool(const QString& from, const QString& to)> moveFolder;
};
// Installs the hooks and returns the ones installed before.
Hooks SetHooks(Hooks hooks);
const Hooks& CurrentHooks();

// Leaving the name box: a forbidden character is refused (NameDelimiterError).
Outcome CheckNameOnExit(const QString& name);

// What the new/edit-user dialog holds when OK is pressed.
struct UserInput
{
    QString name;
    QString password;
    QString retyped;
    bool savePassword = false;
    bool fullRights = false;
};

// The checks OK runs before anything is written, in this order: a forbidden character
// (NameDelimiterError), a name that cannot be a user folder - empty, blank, ".", "..",
// "Data" (UserNameError) - and two different passwords (RetypePasswordError).
Outcome CheckInput(const UserInput& input);

// New mode: refuses a name whose folder (or any entry of that name) exists, then creates
// the folder, the four tables and her System.dat record in one post. A failure after the
// folder was made removes it again, so no half-made user stays behind. CurrentUserDir
// points at the new folder while it is built and is put back afterwards. The tables are
// created through the given table object, which is left closed.
Outcome AddUser(const UserInput& input, CiclaraTable& table);

// Edit mode for the user now called oldName. When the name changed, her folder is moved:
// a name whose folder exists is refused (ExistingUserError) and nothing of that other
// user is touched; for the active user the pending schedule day is written, her tables
// are closed through the hooks before the move and reopened after it, and the active
// user follows the new name; a move that fails is refused (ChangeUserError) and the old
// name stays. Then password, "Save my password" and rights are stored in one post when
// her System.dat exists. *currentName receives the name her folder has on return (the
// new one once the move succeeded, even if storing failed afterwards).
Outcome EditUser(const QString& oldName, const UserInput& input, CiclaraTable& table,
                 QString* currentName = nullptr);

// A user's System.dat as the dialogs read it.
struct StoredAccount
{
    bool exists = false;
    QString password;
    bool savedPassword = false;
    bool fullRights = false;
    int temperatureType = 0; // 0 Celsius, 1 Fahrenheit; an empty field reads as Celsius
};
// Reads the first record of the user's System.dat through the table object, which is
// left closed. An invalid name or a missing table gives exists == false.
StoredAccount ReadAccount(const QString& name, CiclaraTable& table);

// The password the change-user dialog fills in: the stored one when she saved it.
QString PrefilledPassword(const StoredAccount& account);

// OK of the change-user dialog: no selection (focus the list), no System.dat
// (ChangeUserError), a password that differs from the stored one, exactly and
// case-sensitively (WrongPasswordError, focus the password box). Otherwise her
// "Save my password" is stored, the pending schedule day is written for the user it
// belongs to, and she becomes the active user (a settings store that cannot be written
// refuses with the focus on the list), with her temperature scale.
Outcome ChangeUser(const QString& selected, const QString& typedPassword, bool savePassword,
                   CiclaraTable& table);

// The users dialog: a user with full rights may edit anyone, others only themselves.
bool CanEditUser(const QString& selected, const QString& active, bool activeHasFullRights);
// The active user is never deleted (DeleteActiveUserError), whoever asks.
Outcome CheckDelete(const QString& selected, const QString& active);

} // namespace UserAccounts
