// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QTime>
#include <QVariant>
#include <QVariantMap>

// Field types of the per-user tables.
enum class FieldType
{
    Date,     // stored as text yyyy-MM-dd
    Time,     // stored as text HH:mm:ss
    SmallInt, // 16-bit signed
    Word,     // 16-bit unsigned
    Boolean,  // 0 / 1
    Float,    // 64-bit real
    Memo,     // text of any length
    Text20,   // text of at most 20 characters
};

struct FieldDef
{
    QString name;
    FieldType type;
    bool required = false;
};

// One table file: a SQLite database holding one table named like the file without
// ".dat", with one primary key field.
struct TableDef
{
    QString fileName;  // "Cycle.dat"
    QString tableName; // "Cycle"
    QList<FieldDef> fields;
    QString keyField;

    const FieldDef* field(const QString& name) const;
};

namespace Schema {
const TableDef& System();
const TableDef& Cycle();
const TableDef& Pills();
const TableDef& Temperatures();
// In creation order: Cycle, Pills, Temperatures, System.
const QList<const TableDef*>& All();
} // namespace Schema

namespace Db {
// Opens a SQLite connection on a file with the connection settings every table object
// uses (rollback journal in the file's folder, full sync, 1.5 s busy wait). Returns the
// connection name, or an empty string (and the reason in *error) when it fails.
QString OpenConnection(const QString& path, QString* error = nullptr);
void CloseConnection(const QString& connectionName);
// Text for a value of the given type as it is stored, or a null variant.
QVariant ToStorage(FieldType type, const QVariant& value);
QVariant FromStorage(FieldType type, const QVariant& stored);
} // namespace Db

// A table object: one table file opened through its own connection, walked in key order,
// with a current record, edit and insert buffers, bookmarks and a change notification
// (dataChanged) that the screens follow.
class CiclaraTable : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Inactive,
        Browse,
        Edit,
        Insert
    };
    using Bookmark = qint64; // the record's row id; 0 is no bookmark

    explicit CiclaraTable(QObject* parent = nullptr);
    CiclaraTable(const TableDef& def, QObject* parent = nullptr);
    ~CiclaraTable() override;

    // Which table and which file. Changing either closes the table first.
    void setTableDef(const TableDef& def);
    const TableDef& tableDef() const { return m_def; }
    void setFileName(const QString& path);
    QString fileName() const { return m_path; }

    bool exists() const;
    bool create();
    bool open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    QString errorString() const { return m_error; }
    // PRAGMA quick_check on the open table; false and the reason when it fails.
    bool quickCheck();

    int recordCount() const { return int(m_rowIds.size()); }
    bool isEmpty() const { return m_rowIds.isEmpty(); }
    int recNo() const { return m_pos; } // 0-based index of the current record, -1 if none
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    bool first();
    bool last();
    bool next();  // false (and eof) at the newest record
    bool prior(); // false (and bof) at the oldest record
    bool moveTo(int index);
    bool locate(const QVariant& key);

    // The current record (or the edit/insert buffer while editing). A null field gives
    // a null variant; the typed readers give 0, false, an empty text or an invalid date.
    QVariant value(const QString& field) const;
    QDate dateValue(const QString& field) const;
    QTime timeValue(const QString& field) const;
    int intValue(const QString& field) const;
    bool boolValue(const QString& field) const;
    double floatValue(const QString& field) const;
    QString stringValue(const QString& field) const;
    // Any record by index, without moving.
    QVariantMap recordAt(int index) const;

    void insert();
    void edit();
    void setValue(const QString& field, const QVariant& value);
    // Writes the buffer. On failure (a duplicate key, a missing required field, a value
    // out of range) returns false with the reason and keeps the buffer; cancel() drops it.
    bool post();
    void cancel();
    // Deletes the current record; the one after it becomes current, or the new last one.
    bool deleteRecord();
    // Removes every record, keeping the table.
    bool emptyTable();

    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bm);

    bool transaction();
    bool commit();
    bool rollback();

    // Re-reads the key order after another connection changed the file.
    void refresh();

    // While disabled, changes raise no notification; the last enableControls raises one.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

signals:
    void dataChanged();

private:
    bool loadRowIds();
    bool loadCurrent();
    void setPos(int pos);
    void notify();
    QSqlDatabase db() const;
    bool fail(const QString& message);

    TableDef m_def;
    QString m_path;
    QString m_connection;
    State m_state = State::Inactive;
    QList<qint64> m_rowIds;
    int m_pos = -1;
    bool m_bof = false;
    bool m_eof = false;
    QVariantMap m_current;
    QVariantMap m_buffer;
    qint64 m_editRowId = 0;
    int m_disabled = 0;
    QString m_error;
};
