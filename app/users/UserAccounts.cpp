// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserAccounts.h"

#include "CiclaraTable.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "UserStore.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace UserAccounts {

namespace {

Hooks& hooks()
{
    static Hooks h;
    return h;
}

const QString systemFile = QStringLiteral("System.dat");

// Any entry of that name blocks a new user folder, a dangling link included.
bool entryExists(const QString& path)
{
    const QFileInfo fi(path);
    return fi.exists() || fi.isSymLink();
}

bool pointAtSystem(CiclaraTable& table, const QString& name)
{
    table.close();
    table.setTableDef(Schema::System());
    const QString path = UserStore::UserFile(name, systemFile);
    table.setFileName(path);
    return !path.isEmpty() && table.exists();
}

// Stores the values into the first record of the user's System.dat in one post (a table
// without a record gets one). The table is left closed.
bool writeAccount(CiclaraTable& table, const QString& name, const QVariantMap& values)
{
    if (!pointAtSystem(table, name) || !table.open())
        return false;
    if (table.first()) {
        table.edit();
    } else {
        table.insert();
        table.setValue(QStringLiteral("Version"), DialogUserVersion());
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        table.setValue(it.key(), it.value());
    const bool ok = table.post();
    if (!ok) {
        qWarning("Cannot store %s: %s", qPrintable(table.fileName()),
                 qPrintable(table.errorString()));
        table.cancel();
    }
    table.close();
    return ok;
}

bool moveFolder(const QString& from, const QString& to)
{
    if (hooks().moveFolder)
        return hooks().moveFolder(from, to);
    return QDir().rename(from, to);
}

void call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

} // namespace

QString Outcome::text() const
{
    if (!message)
        return QString();
    return argument.isNull() ? Res::Text(message) : Res::Text(message, {argument});
}

Outcome Outcome::Refused(const char* message, int kind, Field focus, const QString& argument)
{
    Outcome o;
    o.ok = false;
    o.message = message;
    o.kind = kind;
    o.focus = focus;
    o.argument = argument;
    return o;
}

Hooks SetHooks(Hooks h)
{
    Hooks old = std::move(hooks());
    hooks() = std::move(h);
    return old;
}

const Hooks& CurrentHooks()
{
    return hooks();
}

Outcome CheckNameOnExit(const QString& name)
{
    if (UserStore::HasForbiddenCharacter(name))
        return Outcome::Refused("NameDelimiterError", Msg::Error, Field::Name);
    return Outcome::Done();
}

Outcome CheckInput(const UserInput& input)
{
    const Outcome exit = CheckNameOnExit(input.name);
    if (!exit.ok)
        return exit;
    // A name that cannot be a folder of its own is treated like no name at all.
    if (!UserStore::IsValidUserName(input.name))
        return Outcome::Refused("UserNameError", Msg::Information, Field::Name);
    if (input.password != input.retyped)
        return Outcome::Refused("RetypePasswordError", Msg::Warning, Field::RePassword);
    return Outcome::Done();
}

Outcome AddUser(const UserInput& input, CiclaraTable& table)
{
    const Outcome check = CheckInput(input);
    if (!check.ok)
        return check;
    const QString folder = UserStore::UserFolder(input.name);
    const Outcome existing =
        Outcome::Refused("ExistingUserError", Msg::Information, Field::Name, input.name);
    if (entryExists(folder))
        return existing;
    // mkdir (not mkpath) fails when the folder appeared meanwhile, so the clean-up below
    // only ever removes a folder made here.
    QDir().mkpath(Globals::ProgramDir());
    if (!QDir().mkdir(folder))
        return existing;

    const QString previousDir = Globals::CurrentUserDir();
    Globals::SetCurrentUserDir(folder + QLatin1Char('/'));
    bool ok = UserStore::CreateMissingTables(&table) && table.open();
    if (ok) {
        table.insert();
        table.setValue(QStringLiteral("Version"), DialogUserVersion());
        table.setValue(QStringLiteral("Password"), input.password);
        table.setValue(QStringLiteral("SavedPassword"), input.savePassword);
        table.setValue(QStringLiteral("FullRights"), input.fullRights);
        ok = table.post();
        if (!ok) {
            qWarning("Cannot store %s: %s", qPrintable(table.fileName()),
                     qPrintable(table.errorString()));
            table.cancel();
        }
    }
    table.close();
    Globals::SetCurrentUserDir(previousDir);
    if (!ok) {
        QDir(folder).removeRecursively();
        return Outcome::Refused("ChangeUserError", Msg::Error, Field::Name);
    }
    return Outcome::Done();
}

Outcome EditUser(const QString& oldName, const UserInput& input, CiclaraTable& table,
                 QString* currentName)
{
    if (currentName)
        *currentName = oldName;
    const Outcome check = CheckInput(input);
    if (!check.ok)
        return check;

    if (input.name != oldName) {
        const QString from = UserStore::UserFolder(oldName);
        const QString to = UserStore::UserFolder(input.name);
        const Outcome failed = Outcome::Refused("ChangeUserError", Msg::Error, Field::Name);
        if (from.isEmpty())
            return failed;
        // Never move onto another folder: that user's data stays as it is.
        if (entryExists(to))
            return Outcome::Refused("ExistingUserError", Msg::Information, Field::Name, input.name);
        const bool active = oldName == Globals::ActiveUser();
        if (active) {
            call(hooks().storePendingScheduleDay);
            call(hooks().closeActiveUserTables);
        }
        bool moved = moveFolder(from, to);
        bool atNewName = moved;
        if (moved && active && !Globals::SetActiveUser(input.name)) {
            // The new name cannot be recorded as active: put the folder back.
            moved = false;
            atNewName = !moveFolder(to, from);
        }
        if (atNewName && currentName)
            *currentName = input.name;
        if (!moved) {
            if (active)
                call(hooks().reopenActiveUserTables);
            return failed;
        }
        if (active) {
            Globals::SetCurrentUserDir(to + QLatin1Char('/'));
            call(hooks().reopenActiveUserTables);
        }
    }

    if (pointAtSystem(table, input.name)) {
        const QVariantMap values{{QStringLiteral("Password"), input.password},
                                 {QStringLiteral("SavedPassword"), input.savePassword},
                                 {QStringLiteral("FullRights"), input.fullRights}};
        if (!writeAccount(table, input.name, values))
            return Outcome::Refused("ChangeUserError", Msg::Error, Field::Password);
    }
    table.close();
    return Outcome::Done();
}

StoredAccount ReadAccount(const QString& name, CiclaraTable& table)
{
    StoredAccount account;
    if (!pointAtSystem(table, name) || !table.open())
        return account;
    account.exists = true;
    if (table.first()) {
        account.password = table.stringValue(QStringLiteral("Password"));
        account.savedPassword = table.boolValue(QStringLiteral("SavedPassword"));
        account.fullRights = table.boolValue(QStringLiteral("FullRights"));
        account.temperatureType = table.intValue(QStringLiteral("TemperatureType"));
    }
    table.close();
    return account;
}

QString PrefilledPassword(const StoredAccount& account)
{
    return account.savedPassword ? account.password : QString();
}

Outcome ChangeUser(const QString& selected, const QString& typedPassword, bool savePassword,
                   CiclaraTable& table)
{
    if (selected.isEmpty())
        return Outcome::Refused(nullptr, 0, Field::UserList);
    const StoredAccount account = ReadAccount(selected, table);
    const Outcome failed = Outcome::Refused("ChangeUserError", Msg::Error, Field::UserList);
    if (!account.exists)
        return failed;
    if (typedPassword != account.password)
        return Outcome::Refused("WrongPasswordError", Msg::Error, Field::Password);
    // Her choice is stored before she becomes active, so a failed write leaves nothing
    // switched.
    if (!writeAccount(table, selected, {{QStringLiteral("SavedPassword"), savePassword}}))
        return failed;
    call(hooks().storePendingScheduleDay);
    if (!Globals::SetActiveUser(selected))
        return Outcome::Refused(nullptr, 0, Field::UserList);
    // Temperatures are shown and entered in the scale of the user now active, not in the
    // one of the user before her.
    Globals::SetTemperatureScale(account.temperatureType);
    return Outcome::Done();
}

bool CanEditUser(const QString& selected, const QString& active, bool activeHasFullRights)
{
    return !selected.isEmpty() && (activeHasFullRights || selected == active);
}

Outcome CheckDelete(const QString& selected, const QString& active)
{
    if (selected.isEmpty())
        return Outcome::Refused(nullptr, 0, Field::UserList);
    if (selected == active)
        return Outcome::Refused("DeleteActiveUserError", Msg::Information, Field::UserList);
    return Outcome::Done();
}

} // namespace UserAccounts
