// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraTable.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

const FieldDef* TableDef::field(const QString& name) const
{
    for (const FieldDef& f : fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

namespace Schema {

const TableDef& System()
{
    static const TableDef def{QStringLiteral("System.dat"),
                              QStringLiteral("System"),
                              {{QStringLiteral("Version"), FieldType::Text20},
                               {QStringLiteral("Password"), FieldType::Text20},
                               {QStringLiteral("SavedPassword"), FieldType::Boolean},
                               {QStringLiteral("FullRights"), FieldType::Boolean},
                               {QStringLiteral("TemperatureType"), FieldType::SmallInt}},
                              QStringLiteral("Version")};
    return def;
}

const TableDef& Cycle()
{
    static const TableDef def{QStringLiteral("Cycle.dat"),
                              QStringLiteral("Cycle"),
                              {{QStringLiteral("Date"), FieldType::Date, true},
                               {QStringLiteral("MenzLength"), FieldType::SmallInt},
                               {QStringLiteral("CycleLength"), FieldType::Word}},
                              QStringLiteral("Date")};
    return def;
}

const TableDef& Pills()
{
    static const TableDef def{QStringLiteral("Pills.dat"),
                              QStringLiteral("Pills"),
                              {{QStringLiteral("Date"), FieldType::Date, true},
                               {QStringLiteral("PillTime"), FieldType::Time},
                               {QStringLiteral("Pill"), FieldType::Boolean},
                               {QStringLiteral("Bleeding"), FieldType::SmallInt},
                               {QStringLiteral("Note"), FieldType::Memo}},
                              QStringLiteral("Date")};
    return def;
}

const TableDef& Temperatures()
{
    static const TableDef def{QStringLiteral("Temperatures.dat"),
                              QStringLiteral("Temperatures"),
                              {{QStringLiteral("Date"), FieldType::Date},
                               {QStringLiteral("Temperature"), FieldType::Float}},
                              QStringLiteral("Date")};
    return def;
}

const QList<const TableDef*>& All()
{
    static const QList<const TableDef*> all = {&Cycle(), &Pills(), &Temperatures(), &System()};
    return all;
}

} // namespace Schema

namespace {

QString quoted(const QString& ident)
{
    return QLatin1Char('"') + QString(ident).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Column definition with the checks that keep each field to its field type.
QString columnSql(const FieldDef& f, bool key)
{
    const QString q = quoted(f.name);
    QString type;
    QString check;
    switch (f.type) {
    case FieldType::Date:
        type = QStringLiteral("TEXT");
        check = q + QStringLiteral(" GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'");
        break;
    case FieldType::Time:
        type = QStringLiteral("TEXT");
        check = q + QStringLiteral(" GLOB '[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'");
        break;
    case FieldType::SmallInt:
        type = QStringLiteral("INTEGER");
        check = q + QStringLiteral(" BETWEEN -32768 AND 32767");
        break;
    case FieldType::Word:
        type = QStringLiteral("INTEGER");
        check = q + QStringLiteral(" BETWEEN 0 AND 65535");
        break;
    case FieldType::Boolean:
        type = QStringLiteral("INTEGER");
        check = q + QStringLiteral(" IN (0, 1)");
        break;
    case FieldType::Float:
        type = QStringLiteral("REAL");
        break;
    case FieldType::Memo:
        type = QStringLiteral("TEXT");
        break;
    case FieldType::Text20:
        type = QStringLiteral("TEXT");
        check = QStringLiteral("length(") + q + QStringLiteral(") <= 20");
        break;
    }
    QString sql = q + QLatin1Char(' ') + type;
    if (f.required)
        sql += QStringLiteral(" NOT NULL");
    if (key)
        sql += QStringLiteral(" PRIMARY KEY");
    if (!check.isEmpty())
        sql += QStringLiteral(" CHECK (") + check + QLatin1Char(')');
    return sql;
}

bool hasTable(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    q.addBindValue(table);
    return q.exec() && q.next();
}

} // namespace

namespace Db {

QString OpenConnection(const QString& path, QString* error)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("ciclara-%1").arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return QString();
    }
    QSqlQuery q(db);
    const bool ok = q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) &&
                    q.exec(QStringLiteral("PRAGMA synchronous=FULL")) &&
                    q.exec(QStringLiteral("PRAGMA busy_timeout=1500"));
    if (!ok) {
        if (error)
            *error = q.lastError().text();
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return QString();
    }
    return name;
}

void CloseConnection(const QString& connectionName)
{
    if (connectionName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QVariant ToStorage(FieldType type, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Date: {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(QStringLiteral("yyyy-MM-dd"))) : QVariant();
    }
    case FieldType::Time: {
        const QTime t = value.toTime();
        return t.isValid() ? QVariant(t.toString(QStringLiteral("HH:mm:ss"))) : QVariant();
    }
    case FieldType::SmallInt:
    case FieldType::Word:
        return QVariant(value.toLongLong());
    case FieldType::Boolean:
        return QVariant(value.toBool() ? 1 : 0);
    case FieldType::Float:
        return QVariant(value.toDouble());
    case FieldType::Memo:
    case FieldType::Text20:
        return QVariant(value.toString());
    }
    return QVariant();
}

QVariant FromStorage(FieldType type, const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Date:
        return QDate::fromString(stored.toString(), QStringLiteral("yyyy-MM-dd"));
    case FieldType::Time:
        return QTime::fromString(stored.toString(), QStringLiteral("HH:mm:ss"));
    case FieldType::SmallInt:
    case FieldType::Word:
        return QVariant(stored.toInt());
    case FieldType::Boolean:
        return QVariant(stored.toInt() != 0);
    case FieldType::Float:
        return QVariant(stored.toDouble());
    case FieldType::Memo:
    case FieldType::Text20:
        return QVariant(stored.toString());
    }
    return QVariant();
}

} // namespace Db

CiclaraTable::CiclaraTable(QObject* parent) : QObject(parent) {}

CiclaraTable::CiclaraTable(const TableDef& def, QObject* parent) : QObject(parent), m_def(def) {}

CiclaraTable::~CiclaraTable()
{
    m_disabled = 1; // no notification while going away
    close();
}

void CiclaraTable::setTableDef(const TableDef& def)
{
    close();
    m_def = def;
}

void CiclaraTable::setFileName(const QString& path)
{
    if (path == m_path)
        return;
    close();
    m_path = path;
}

QSqlDatabase CiclaraTable::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool CiclaraTable::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool CiclaraTable::exists() const
{
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile())
        return false;
    if (isOpen())
        return true;
    QString error;
    const QString conn = Db::OpenConnection(m_path, &error);
    if (conn.isEmpty())
        return true; // a file that cannot be read is still there: never overwrite it
    bool found = true;
    {
        QSqlDatabase d = QSqlDatabase::database(conn, false);
        QSqlQuery q(d);
        // A file that is not a database keeps counting as existing.
        if (q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            found = hasTable(d, m_def.tableName);
    }
    Db::CloseConnection(conn);
    return found;
}

bool CiclaraTable::create()
{
    if (m_def.tableName.isEmpty())
        return fail(QStringLiteral("No table definition"));
    if (exists())
        return fail(QStringLiteral("Table already exists: ") + m_path);
    close();
    QString error;
    const QString conn = Db::OpenConnection(m_path, &error);
    if (conn.isEmpty())
        return fail(QStringLiteral("Cannot create ") + m_path + QStringLiteral(": ") + error);
    QStringList cols;
    for (const FieldDef& f : m_def.fields)
        cols << columnSql(f, f.name == m_def.keyField);
    bool ok;
    {
        QSqlDatabase d = QSqlDatabase::database(conn, false);
        QSqlQuery q(d);
        ok = q.exec(QStringLiteral("CREATE TABLE ") + quoted(m_def.tableName) +
                    QStringLiteral(" (") + cols.join(QStringLiteral(", ")) + QStringLiteral(")"));
        if (!ok)
            m_error = q.lastError().text();
    }
    Db::CloseConnection(conn);
    return ok;
}

bool CiclaraTable::open()
{
    if (isOpen())
        return true;
    m_error.clear();
    if (!QFileInfo(m_path).isFile())
        return fail(QStringLiteral("Table does not exist: ") + m_path);
    QString error;
    m_connection = Db::OpenConnection(m_path, &error);
    if (m_connection.isEmpty())
        return fail(QStringLiteral("Cannot open ") + m_path + QStringLiteral(": ") + error);
    if (!hasTable(db(), m_def.tableName)) {
        Db::CloseConnection(m_connection);
        m_connection.clear();
        return fail(QStringLiteral("Table ") + m_def.tableName + QStringLiteral(" missing in ") +
                    m_path);
    }
    m_state = State::Browse;
    if (!loadRowIds()) {
        const QString reason = m_error;
        close();
        return fail(reason);
    }
    m_bof = m_eof = false;
    setPos(m_rowIds.isEmpty() ? -1 : 0);
    notify();
    return true;
}

void CiclaraTable::close()
{
    if (!isOpen())
        return;
    Db::CloseConnection(m_connection);
    m_connection.clear();
    m_state = State::Inactive;
    m_rowIds.clear();
    m_current.clear();
    m_buffer.clear();
    m_pos = -1;
    notify();
}

bool CiclaraTable::quickCheck()
{
    if (!isOpen())
        return fail(QStringLiteral("Table is not open"));
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return fail(q.lastError().text());
    QStringList problems;
    while (q.next()) {
        const QString line = q.value(0).toString();
        if (line != QLatin1String("ok"))
            problems << line;
    }
    if (!problems.isEmpty())
        return fail(problems.join(QLatin1Char('\n')));
    return true;
}

bool CiclaraTable::loadRowIds()
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT rowid FROM ") + quoted(m_def.tableName) +
                QStringLiteral(" ORDER BY ") + quoted(m_def.keyField) + QStringLiteral(", rowid")))
        return fail(q.lastError().text());
    m_rowIds.clear();
    while (q.next())
        m_rowIds << q.value(0).toLongLong();
    return true;
}

bool CiclaraTable::loadCurrent()
{
    m_current.clear();
    if (m_pos < 0 || m_pos >= m_rowIds.size())
        return false;
    m_current = recordAt(m_pos);
    return true;
}

QVariantMap CiclaraTable::recordAt(int index) const
{
    QVariantMap rec;
    if (!isOpen() || index < 0 || index >= m_rowIds.size())
        return rec;
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT * FROM ") + quoted(m_def.tableName) +
              QStringLiteral(" WHERE rowid = ?"));
    q.addBindValue(m_rowIds.at(index));
    if (!q.exec() || !q.next())
        return rec;
    const QSqlRecord r = q.record();
    for (const FieldDef& f : m_def.fields)
        rec.insert(f.name, Db::FromStorage(f.type, r.value(f.name)));
    return rec;
}

void CiclaraTable::setPos(int pos)
{
    m_pos = pos;
    loadCurrent();
}

void CiclaraTable::notify()
{
    if (m_disabled == 0)
        emit dataChanged();
}

bool CiclaraTable::first()
{
    if (!isOpen())
        return false;
    m_bof = true;
    m_eof = m_rowIds.isEmpty();
    if (m_rowIds.isEmpty())
        return false;
    setPos(0);
    notify();
    return true;
}

bool CiclaraTable::last()
{
    if (!isOpen())
        return false;
    m_eof = true;
    m_bof = m_rowIds.isEmpty();
    if (m_rowIds.isEmpty())
        return false;
    setPos(int(m_rowIds.size()) - 1);
    notify();
    return true;
}

bool CiclaraTable::next()
{
    if (!isOpen())
        return false;
    if (m_pos + 1 >= m_rowIds.size()) {
        m_eof = true;
        return false;
    }
    m_bof = m_eof = false;
    setPos(m_pos + 1);
    notify();
    return true;
}

bool CiclaraTable::prior()
{
    if (!isOpen())
        return false;
    if (m_pos <= 0) {
        m_bof = true;
        return false;
    }
    m_bof = m_eof = false;
    setPos(m_pos - 1);
    notify();
    return true;
}

bool CiclaraTable::moveTo(int index)
{
    if (!isOpen() || index < 0 || index >= m_rowIds.size())
        return false;
    m_bof = m_eof = false;
    if (index != m_pos) {
        setPos(index);
        notify();
    }
    return true;
}

bool CiclaraTable::locate(const QVariant& key)
{
    if (!isOpen())
        return false;
    const FieldDef* kf = m_def.field(m_def.keyField);
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT rowid FROM ") + quoted(m_def.tableName) +
              QStringLiteral(" WHERE ") + quoted(m_def.keyField) + QStringLiteral(" = ?"));
    q.addBindValue(Db::ToStorage(kf->type, key));
    if (!q.exec() || !q.next())
        return false;
    const int index = int(m_rowIds.indexOf(q.value(0).toLongLong()));
    if (index < 0)
        return false;
    m_bof = m_eof = false;
    setPos(index);
    notify();
    return true;
}

QVariant CiclaraTable::value(const QString& field) const
{
    const QVariantMap& rec =
        (m_state == State::Edit || m_state == State::Insert) ? m_buffer : m_current;
    return rec.value(field);
}

QDate CiclaraTable::dateValue(const QString& field) const
{
    return value(field).toDate();
}
QTime CiclaraTable::timeValue(const QString& field) const
{
    return value(field).toTime();
}
int CiclaraTable::intValue(const QString& field) const
{
    return value(field).toInt();
}
bool CiclaraTable::boolValue(const QString& field) const
{
    return value(field).toBool();
}
double CiclaraTable::floatValue(const QString& field) const
{
    return value(field).toDouble();
}
QString CiclaraTable::stringValue(const QString& field) const
{
    return value(field).toString();
}

void CiclaraTable::insert()
{
    if (!isOpen())
        return;
    m_buffer.clear();
    for (const FieldDef& f : m_def.fields)
        m_buffer.insert(f.name, QVariant());
    m_editRowId = 0;
    m_state = State::Insert;
}

void CiclaraTable::edit()
{
    if (!isOpen() || m_pos < 0)
        return;
    m_buffer = m_current;
    m_editRowId = m_rowIds.at(m_pos);
    m_state = State::Edit;
}

void CiclaraTable::setValue(const QString& field, const QVariant& value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const FieldDef* f = m_def.field(field);
    if (!f)
        return;
    m_buffer.insert(f->name, value);
}

bool CiclaraTable::post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return fail(QStringLiteral("Table is not in edit or insert state"));
    QStringList names;
    QVariantList values;
    for (const FieldDef& f : m_def.fields) {
        const QVariant stored = Db::ToStorage(f.type, m_buffer.value(f.name));
        if (f.type == FieldType::Text20 && stored.toString().size() > 20)
            return fail(f.name + QStringLiteral(" is longer than 20 characters"));
        if (f.required && stored.isNull())
            return fail(QStringLiteral("Field '") + f.name + QStringLiteral("' must have a value"));
        names << quoted(f.name);
        values << stored;
    }
    // SQLite lets a text primary key hold any number of empty keys; a key is a key, so a
    // second record without one is refused like any other duplicate.
    const FieldDef* key = m_def.field(m_def.keyField);
    if (key && Db::ToStorage(key->type, m_buffer.value(key->name)).isNull()) {
        QSqlQuery probe(db());
        probe.prepare(QStringLiteral("SELECT 1 FROM ") + quoted(m_def.tableName) +
                      QStringLiteral(" WHERE ") + quoted(key->name) +
                      QStringLiteral(" IS NULL AND rowid <> ?"));
        probe.addBindValue(m_state == State::Edit ? m_editRowId : qint64(0));
        if (probe.exec() && probe.next())
            return fail(QStringLiteral("A record without '") + key->name +
                        QStringLiteral("' exists already"));
    }
    QSqlQuery q(db());
    if (m_state == State::Insert) {
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        q.prepare(QStringLiteral("INSERT INTO ") + quoted(m_def.tableName) + QStringLiteral(" (") +
                  names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                  marks.join(QStringLiteral(", ")) + QStringLiteral(")"));
    } else {
        QStringList sets;
        for (const QString& n : std::as_const(names))
            sets << n + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE ") + quoted(m_def.tableName) + QStringLiteral(" SET ") +
                  sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?"));
    }
    for (const QVariant& v : std::as_const(values))
        q.addBindValue(v);
    if (m_state == State::Edit)
        q.addBindValue(m_editRowId);
    if (!q.exec())
        return fail(q.lastError().text());
    const qint64 rowId = m_state == State::Insert ? q.lastInsertId().toLongLong() : m_editRowId;
    m_state = State::Browse;
    m_buffer.clear();
    loadRowIds();
    m_bof = m_eof = false;
    setPos(int(m_rowIds.indexOf(rowId)));
    notify();
    return true;
}

void CiclaraTable::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_state = State::Browse;
    m_buffer.clear();
    notify();
}

bool CiclaraTable::deleteRecord()
{
    if (m_state == State::Edit || m_state == State::Insert)
        cancel();
    if (!isOpen() || m_pos < 0)
        return false;
    QSqlQuery q(db());
    q.prepare(QStringLiteral("DELETE FROM ") + quoted(m_def.tableName) +
              QStringLiteral(" WHERE rowid = ?"));
    q.addBindValue(m_rowIds.at(m_pos));
    if (!q.exec())
        return fail(q.lastError().text());
    const int pos = m_pos;
    loadRowIds();
    m_bof = m_eof = false;
    setPos(m_rowIds.isEmpty() ? -1 : qMin(pos, int(m_rowIds.size()) - 1));
    notify();
    return true;
}

bool CiclaraTable::emptyTable()
{
    bool reopen = isOpen();
    QString conn = m_connection;
    bool ownConnection = false;
    if (!reopen) {
        conn = Db::OpenConnection(m_path, &m_error);
        if (conn.isEmpty())
            return false;
        ownConnection = true;
    }
    bool ok;
    {
        QSqlQuery q(QSqlDatabase::database(conn, false));
        ok = q.exec(QStringLiteral("DELETE FROM ") + quoted(m_def.tableName));
        if (!ok)
            m_error = q.lastError().text();
    }
    if (ownConnection)
        Db::CloseConnection(conn);
    if (reopen) {
        m_state = State::Browse;
        loadRowIds();
        setPos(-1);
        notify();
    }
    return ok;
}

CiclaraTable::Bookmark CiclaraTable::bookmark() const
{
    return (isOpen() && m_pos >= 0) ? m_rowIds.at(m_pos) : 0;
}

bool CiclaraTable::gotoBookmark(Bookmark bm)
{
    const int index = int(m_rowIds.indexOf(bm));
    if (index < 0)
        return false;
    m_bof = m_eof = false;
    setPos(index);
    notify();
    return true;
}

bool CiclaraTable::transaction()
{
    return isOpen() ? db().transaction() : fail(QStringLiteral("Table is not open"));
}

bool CiclaraTable::commit()
{
    if (!isOpen())
        return fail(QStringLiteral("Table is not open"));
    QSqlDatabase d = db();
    if (!d.commit())
        return fail(d.lastError().text());
    return true;
}

bool CiclaraTable::rollback()
{
    if (!isOpen())
        return fail(QStringLiteral("Table is not open"));
    QSqlDatabase d = db();
    const bool ok = d.rollback();
    const qint64 rowId = bookmark();
    loadRowIds();
    const int index = int(m_rowIds.indexOf(rowId));
    setPos(index >= 0 ? index : (m_rowIds.isEmpty() ? -1 : 0));
    notify();
    return ok;
}

void CiclaraTable::refresh()
{
    if (!isOpen())
        return;
    const qint64 rowId = bookmark();
    const int pos = m_pos;
    loadRowIds();
    int index = int(m_rowIds.indexOf(rowId));
    if (index < 0)
        index = m_rowIds.isEmpty() ? -1 : qMin(qMax(pos, 0), int(m_rowIds.size()) - 1);
    setPos(index);
    notify();
}

void CiclaraTable::disableControls()
{
    ++m_disabled;
}

void CiclaraTable::enableControls()
{
    if (m_disabled > 0 && --m_disabled == 0)
        emit dataChanged();
}
