#pragma once

#include <QSortFilterProxyModel>

// Sorts a schedule's rows by any column, numbers as numbers (a load of 9 A
// before one of 10 A, "15,5" as 15.5), and shows only the rows with a
// problem when asked; the motor's current only where the schedule has
// motors, the raceway only where it asks for raceways.
class ScheduleSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleSortProxy)

public:
    explicit ScheduleSortProxy(QObject *parent = nullptr);

    bool problemsOnly() const { return m_problemsOnly; }
    void setProblemsOnly(bool only);
    void setShowsMotors(bool shows);
    void setShowsRaceways(bool shows);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool m_problemsOnly = false;
    bool m_showsMotors = false;
    bool m_showsRaceways = false;
};
