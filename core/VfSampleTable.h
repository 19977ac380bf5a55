#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

class VfSamples;

// The sample table of a results page: one row per sample of the run shown,
// one role per column, each cell the sample's value as text in the column's
// format. Cells are made only when a view asks for them, so a run of any
// length opens at once. Made by VfSamples::newTable, which describes the
// column formats. When another run is shown, the rows of the old one are
// removed and those of the new one inserted (not a reset, which views that
// are still making rows do not take well).
class VfSampleTable : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    VfSampleTable(VfSamples *samples, const QVariantList &columns);

    int count() const { return rowCount(); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The cells of `row` by role name; empty outside the table.
    Q_INVOKABLE QVariantMap get(int row) const;

    // Around the removal of every row, and the insertion of `count` rows,
    // when another run is shown.
    void beginRemoveAll(int count) { beginRemoveRows(QModelIndex(), 0, count - 1); }
    void endRemoveAll();
    void beginInsertAll(int count) { beginInsertRows(QModelIndex(), 0, count - 1); }
    void endInsertAll();
    // Every sample has been read: the time cells may now show the day.
    void timesRead();

signals:
    void countChanged();

private:
    enum class Format
    {
        Text,
        Number,
        Time,
        DateTime
    };

    struct Column
    {
        QByteArray role;
        QString key;
        Format format = Format::Text;
        int decimals = 2;
    };

    QString cell(int row, const Column &column) const;

    VfSamples *m_samples;
    QList<Column> m_columns;
};
