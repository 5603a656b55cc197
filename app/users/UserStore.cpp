// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserStore.h"

#include "CiclaraTable.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace UserStore {

QString ForbiddenNameCharacters()
{
    return QStringLiteral("\\/:*?\"<>|");
}

bool HasForbiddenCharacter(const QString& name)
{
    const QString forbidden = ForbiddenNameCharacters();
    for (const QChar c : name) {
        if (forbidden.contains(c))
            return true;
    }
    return false;
}

bool IsValidUserName(const QString& name)
{
    if (name.trimmed().isEmpty() || HasForbiddenCharacter(name))
        return false;
    if (name == QLatin1String(".") || name == QLatin1String("..") || name == QLatin1String("Data"))
        return false;
    // Control characters (a line break, a NUL) never belong in a folder name.
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString UserFolder(const QString& name)
{
    return IsValidUserName(name) ? Globals::ProgramDir() + name : QString();
}

QString UserFile(const QString& name, const QString& fileName)
{
    const QString folder = UserFolder(name);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + fileName;
}

bool CreateMissingTables(CiclaraTable* table)
{
    CiclaraTable own;
    CiclaraTable* t = table ? table : &own;
    const QString dir = Globals::CurrentUserDir();
    bool ok = true;
    for (const TableDef* def : Schema::All()) {
        t->close();
        t->setTableDef(*def);
        t->setFileName(dir + def->fileName);
        if (t->exists())
            continue;
        if (!t->create()) {
            qWarning("Cannot create %s: %s", qPrintable(t->fileName()),
                     qPrintable(t->errorString()));
            ok = false;
        }
    }
    return ok;
}

bool CreateDefaultUser(const QString& name)
{
    const QString folder = UserFolder(name);
    if (folder.isEmpty() || QFileInfo::exists(folder)) {
        ShowMessageBox(Res::Text("ExistingUserError", {name}), Msg::Information, 0, 0, Msg::OkSet);
        return false;
    }
    // mkdir fails on a folder that appeared meanwhile, so only a folder made here is ever
    // removed again below.
    if (!Globals::EnsureDataRoot() || !QDir(Globals::ProgramDir()).mkdir(name)) {
        if (QFileInfo::exists(folder))
            ShowMessageBox(Res::Text("ExistingUserError", {name}), Msg::Information, 0, 0,
                           Msg::OkSet);
        return false;
    }
    Globals::SetCurrentUserDir(folder + QLatin1Char('/'));
    bool ok;
    {
        CiclaraTable table;
        ok = CreateMissingTables(&table) && table.open();
        if (ok) {
            table.insert();
            table.setValue(QStringLiteral("Version"),
                           GetProductVersion() + QStringLiteral(".1.1.0"));
            table.setValue(QStringLiteral("Password"), QString());
            table.setValue(QStringLiteral("SavedPassword"), true);
            table.setValue(QStringLiteral("FullRights"), true);
            table.setValue(QStringLiteral("TemperatureType"), 0);
            ok = table.post();
        }
        table.close();
    }
    Globals::SetTemperatureScale(0);
    // A user made only half is no user: take the folder away again.
    if (!ok)
        QDir(folder).removeRecursively();
    return ok;
}

void ListUsers(QStringList& list)
{
    list.clear();
    const QDir root(Globals::ProgramDir());
    const QStringList entries =
        root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    for (const QString& name : entries) {
        if (!IsValidUserName(name))
            continue;
        if (QFileInfo(root.filePath(name + QStringLiteral("/Cycle.dat"))).isFile())
            list << name;
    }
}

QStringList ListUsers()
{
    QStringList list;
    ListUsers(list);
    return list;
}

QString GetProductVersion(const QString&)
{
    QString version = QStringLiteral(CICLARA_PRODUCT_VERSION);
    if (version.isEmpty())
        return QStringLiteral("3.02");
    if (version.size() > 1)
        version.remove(1, 1);
    return version;
}

bool DeleteUserData(const QString& name)
{
    const QString folder = UserFolder(name);
    if (folder.isEmpty())
        return false;
    QDir dir(folder);
    if (!dir.exists())
        return true;
    bool ok = true;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& f : files) {
        if (f == QLatin1String("Data"))
            continue;
        if (!dir.remove(f))
            ok = false;
    }
    // Sub-folders such as Backup stay; without Cycle.dat the folder is no user any more.
    QDir(Globals::ProgramDir()).rmdir(name);
    return ok;
}

namespace {

QList<QVariantMap> readRows(QSqlQuery& q)
{
    QList<QVariantMap> rows;
    const TableDef& def = Schema::Pills();
    while (q.next()) {
        const QSqlRecord r = q.record();
        QVariantMap row;
        for (const FieldDef& f : def.fields)
            row.insert(f.name, Db::FromStorage(f.type, r.value(f.name)));
        rows << row;
    }
    return rows;
}

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

namespace {

// Runs one statement on its own connection to a user's Pills.dat. A change runs in one
// transaction; a read hands back its rows through *rows.
bool runOnPills(const QString& pillsPath, const QString& sql, const QVariantList& binds,
                QList<QVariantMap>* rows)
{
    if (!QFileInfo(pillsPath).isFile())
        return false;
    const QString conn = Db::OpenConnection(pillsPath);
    if (conn.isEmpty())
        return false;
    bool ok;
    {
        QSqlDatabase db = QSqlDatabase::database(conn, false);
        const bool change = rows == nullptr;
        ok = !change || db.transaction();
        if (ok) {
            QSqlQuery q(db);
            q.prepare(sql);
            for (const QVariant& b : binds)
                q.addBindValue(b);
            ok = q.exec();
            if (ok && rows)
                *rows = readRows(q);
            q = QSqlQuery();
            if (change)
                ok = ok ? db.commit() : (db.rollback(), false);
        }
    }
    Db::CloseConnection(conn);
    return ok;
}

} // namespace

QList<QVariantMap> SelectMonth(const QString& pillsPath, const QDate& first, const QDate& second)
{
    QList<QVariantMap> rows;
    runOnPills(pillsPath,
               QStringLiteral("SELECT * FROM Pills WHERE Date BETWEEN ? AND ? ORDER BY Date"),
               {dateText(first), dateText(second)}, &rows);
    return rows;
}

bool DeleteMonth(const QString& pillsPath, const QDate& first, const QDate& second)
{
    return runOnPills(pillsPath, QStringLiteral("DELETE FROM Pills WHERE Date BETWEEN ? AND ?"),
                      {dateText(first), dateText(second)}, nullptr);
}

QList<QVariantMap> SelectPillDays(const QString& pillsPath)
{
    QList<QVariantMap> rows;
    runOnPills(pillsPath, QStringLiteral("SELECT * FROM Pills WHERE Pill = 1 ORDER BY Date"), {},
               &rows);
    return rows;
}

} // namespace UserStore
