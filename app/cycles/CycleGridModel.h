// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

class CiclaraTable;

// The cycle table as the cycle view's grid shows it: one row per cycle in date order,
// the start date in the system's short date format and the cycle length. Read-only; it
// follows the table's change notification and resets only when the rows differ.
class CycleGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        DateColumn = 0,
        CycleLengthColumn = 1
    };

    explicit CycleGridModel(CiclaraTable* table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setTitles(const QString& dateTitle, const QString& lengthTitle);
    // Reads the table again; the model resets only when something changed.
    void reload();

private:
    struct Row
    {
        QDate date;
        int cycleLength = 0;
        bool operator==(const Row& o) const
        {
            return date == o.date && cycleLength == o.cycleLength;
        }
    };

    CiclaraTable* m_table;
    QList<Row> m_rows;
    QString m_titles[2];
};
