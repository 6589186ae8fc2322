#include "ScheduleSortProxy.h"

#include "ScheduleModel.h"

#include <optional>

namespace {

// A cell's number, with a decimal point or comma, or nothing.
std::optional<double> numberIn(const QVariant &value)
{
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
        return value.toDouble();
    QString text = value.toString().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

} // namespace

ScheduleSortProxy::ScheduleSortProxy(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(ScheduleModel::SortRole);
}

void ScheduleSortProxy::setProblemsOnly(bool only)
{
    if (only == m_problemsOnly)
        return;
    m_problemsOnly = only;
    invalidateRowsFilter();
}

void ScheduleSortProxy::setShowsMotors(bool shows)
{
    if (shows == m_showsMotors)
        return;
    m_showsMotors = shows;
    invalidateColumnsFilter();
}

void ScheduleSortProxy::setShowsRaceways(bool shows)
{
    if (shows == m_showsRaceways)
        return;
    m_showsRaceways = shows;
    invalidateColumnsFilter();
}

bool ScheduleSortProxy::filterAcceptsColumn(int sourceColumn, const QModelIndex &) const
{
    const auto *schedule = qobject_cast<const ScheduleModel *>(sourceModel());
    if (!schedule)
        return true;
    if (sourceColumn == schedule->answerColumn(ScheduleModel::MotorColumn))
        return m_showsMotors;
    if (sourceColumn == schedule->answerColumn(ScheduleModel::RacewayColumn))
        return m_showsRaceways;
    return true;
}

bool ScheduleSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (!m_problemsOnly)
        return true;
    const auto *schedule = qobject_cast<const ScheduleModel *>(sourceModel());
    return schedule && schedule->hasProblem(sourceRow);
}

bool ScheduleSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    const auto x = numberIn(a);
    const auto y = numberIn(b);
    if (x && y)
        return *x < *y;
    if (x || y)
        return x.has_value(); // numbers before words and empty cells
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
}
