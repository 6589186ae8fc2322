#pragma once

#include "ScheduleFile.h"
#include "ScheduleTexts.h"

#include <QAbstractTableModel>

#include <memory>

// A sized schedule as a table: the file's own columns as they are, then the
// answer (Size, Sets, Breaker, Bonding, Raceway, Governed by, Usable
// ampacity, Voltage drop %, Motor current, Problem). The
// file's cells are edited here, and each edit sizes its row again; the row
// headers are the file's line numbers, with a warning icon on a row that has
// a problem.
class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleModel)

public:
    // What the views sort by: numbers where a column holds numbers.
    static constexpr int SortRole = Qt::UserRole;
    enum AnswerColumn
    {
        SizeColumn = scheduletexts::SizeAnswer,
        SetsColumn = scheduletexts::SetsAnswer,
        BreakerColumn = scheduletexts::BreakerAnswer,
        BondingColumn = scheduletexts::BondingAnswer,
        RacewayColumn = scheduletexts::RacewayAnswer,
        GovernedColumn = scheduletexts::GovernedAnswer,
        UsableColumn = scheduletexts::UsableAnswer,
        DropColumn = scheduletexts::DropAnswer,
        MotorColumn = scheduletexts::MotorAnswer,
        ProblemColumn = scheduletexts::ProblemAnswer
    };

    explicit ScheduleModel(std::unique_ptr<ScheduleFile> file, QObject *parent = nullptr);
    ~ScheduleModel() override;

    const ScheduleFile &file() const { return *m_file; }
    // Writes the schedule with its answers to the path, which it then
    // belongs to; false with the file's errorString() if not.
    bool save(const QString &path);
    // The column of an answer, after the file's own.
    int answerColumn(AnswerColumn column) const;
    bool hasProblem(int row) const;

    // Sets the value of a condition's empty cells; the rows that take it are
    // sized again.
    void setDefault(std::size_t field, const QString &value);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // A cell or a default changed some answers: the counts may have changed.
    void answersChanged();

private:
    QVariant answerData(const ampacity::sizing::ScheduleRow &row, int column, int role) const;

    std::unique_ptr<ScheduleFile> m_file;
    std::string m_decimalSeparator;
};
