#include "ScheduleModel.h"

#include "QtText.h"
#include "ScheduleTexts.h"

#include <QApplication>
#include <QLocale>
#include <QStyle>

using namespace ampacity::sizing;
using qtbridge::toQString;
using qtbridge::toUtf8;

ScheduleModel::ScheduleModel(std::unique_ptr<ScheduleFile> file, QObject *parent)
    : QAbstractTableModel(parent), m_file(std::move(file)),
      m_decimalSeparator(toUtf8(QLocale().decimalPoint()))
{
}

ScheduleModel::~ScheduleModel() = default;

int ScheduleModel::answerColumn(AnswerColumn column) const
{
    return static_cast<int>(m_file->schedule().columns.size()) + column;
}

bool ScheduleModel::hasProblem(int row) const
{
    return m_file->schedule().rows.at(static_cast<std::size_t>(row)).problem.has_value();
}

bool ScheduleModel::save(const QString &path)
{
    return m_file->save(path);
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_file->schedule().rows.size());
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : answerColumn(SizeColumn) + scheduletexts::AnswerColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const ScheduleRow &row = m_file->schedule().rows.at(static_cast<std::size_t>(index.row()));
    const int carried = answerColumn(SizeColumn);
    if (index.column() >= carried)
        return answerData(row, index.column() - carried, role);
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole)
        return {};
    const auto c = static_cast<std::size_t>(index.column());
    return c < row.cells.size() ? toQString(row.cells[c]) : QString();
}

QVariant ScheduleModel::answerData(const ScheduleRow &row, int column, int role) const
{
    const bool problemCell = column == ProblemColumn && row.problem;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return scheduletexts::answerText(row, column, m_decimalSeparator);
    case Qt::DecorationRole:
        if (problemCell)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case SortRole:
        // Sizes in their order (12 AWG aluminum with 12 AWG copper, 700 kcmil
        // between 600 and 750), amperes and per cents as numbers.
        if (row.sizing && column == SizeColumn)
            return static_cast<int>(row.sizing->conductor.size);
        if (row.sizing && column == UsableColumn)
            return static_cast<qlonglong>(row.sizing->usable);
        if (row.sizing && column == SetsColumn)
            return row.sizing->sets;
        if (row.sizing && column == BreakerColumn)
            return static_cast<qlonglong>(row.sizing->breaker);
        if (row.sizing && column == BondingColumn)
            return static_cast<int>(row.sizing->bonding.size);
        if (row.sizing && row.sizing->motor && column == MotorColumn)
            return static_cast<qlonglong>(row.sizing->load);
        if (row.sizing && row.sizing->drop && column == DropColumn)
            return static_cast<qlonglong>(row.sizing->drop->percent);
        return scheduletexts::answerText(row, column, m_decimalSeparator);
    default:
        return {};
    }
}

bool ScheduleModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() >= answerColumn(SizeColumn))
        return false;
    const std::string text = toUtf8(value.toString());
    const ScheduleRow &row = m_file->schedule().rows.at(static_cast<std::size_t>(index.row()));
    const auto c = static_cast<std::size_t>(index.column());
    if (c < row.cells.size() && row.cells[c] == text)
        return false;
    m_file->setCell(index.row(), index.column(), text);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, index.row(), index.row());
    emit answersChanged();
    return true;
}

void ScheduleModel::setDefault(std::size_t field, const QString &value)
{
    const std::string text = toUtf8(value.trimmed());
    if (m_file->defaultText(field) == text)
        return;
    const std::vector<int> changed = m_file->setDefault(field, text);
    if (!changed.empty()) {
        emit dataChanged(index(changed.front(), answerColumn(SizeColumn)),
                         index(changed.back(), columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, changed.front(), changed.back());
    }
    emit answersChanged();
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        const auto &rows = m_file->schedule().rows;
        if (section < 0 || section >= static_cast<int>(rows.size()))
            return {};
        const ScheduleRow &row = rows[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole)
            return row.line;
        if (role == Qt::DecorationRole && row.problem)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        if (role == Qt::ToolTipRole && row.problem)
            return scheduletexts::problemLine(*row.problem, m_decimalSeparator);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const int carried = answerColumn(SizeColumn);
    if (section < carried)
        return toQString(m_file->schedule().columns.at(static_cast<std::size_t>(section)));
    return scheduletexts::answerHeaders().value(section - carried);
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() < answerColumn(SizeColumn))
        flags |= Qt::ItemIsEditable;
    return flags;
}
