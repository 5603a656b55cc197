// SPDX-License-Identifier: GPL-3.0-or-later
#include "CycleGridModel.h"

#include "CiclaraTable.h"

#include <QLocale>

CycleGridModel::CycleGridModel(CiclaraTable* table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table)
{
    m_titles[DateColumn] = tr("Start date");
    m_titles[CycleLengthColumn] = tr("Cycle length");
    if (m_table)
        connect(m_table, &CiclaraTable::dataChanged, this, &CycleGridModel::reload);
    reload();
}

int CycleGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CycleGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant CycleGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == DateColumn)
            return QLocale::system().toString(row.date, QLocale::ShortFormat);
        return row.cycleLength;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant CycleGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_titles[section];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags CycleGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CycleGridModel::setTitles(const QString& dateTitle, const QString& lengthTitle)
{
    if (m_titles[DateColumn] == dateTitle && m_titles[CycleLengthColumn] == lengthTitle)
        return;
    m_titles[DateColumn] = dateTitle;
    m_titles[CycleLengthColumn] = lengthTitle;
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

void CycleGridModel::reload()
{
    QList<Row> rows;
    if (m_table && m_table->isOpen()) {
        const int count = m_table->recordCount();
        rows.reserve(count);
        for (int i = 0; i < count; ++i) {
            const QVariantMap r = m_table->recordAt(i);
            rows.append({r.value(QStringLiteral("Date")).toDate(),
                         r.value(QStringLiteral("CycleLength")).toInt()});
        }
    }
    if (rows == m_rows)
        return;
    beginResetModel();
    m_rows = rows;
    endResetModel();
}
