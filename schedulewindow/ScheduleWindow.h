#pragma once

// The schedule window: a cable schedule opened from its file, every circuit
// sized with the limit that governed it.
//
// How it is split: ScheduleFile (Qt Core) reads, sizes and writes the file
// with the sizing core; ScheduleModel shows it as a table and takes the
// edits; ScheduleSortProxy sorts and filters the rows; this window holds
// them with the values for empty cells above the table, the counts below it,
// and the menu: open, save, save as, export the report (ScheduleReport).

#include <QMainWindow>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QTableView;
class ScheduleFile;
class ScheduleModel;
class ScheduleSortProxy;

class ScheduleWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleWindow)

public:
    ~ScheduleWindow() override;

    // Opens the schedule in a window of its own and shows it, or brings its
    // window forward if it is open already; nothing, once the user is told
    // why, when the file cannot be read as a schedule.
    static ScheduleWindow *openSchedule(const QString &path, QWidget *parent = nullptr);
    // Asks for a schedule with a file dialog and opens it.
    static ScheduleWindow *askAndOpen(QWidget *parent = nullptr);
    // The window a file is open in, if one is.
    static ScheduleWindow *windowOf(const QString &path);

    // Where opening, Save As and Export report ask for a file name: a file
    // dialog, unless the tests put their own answer in its place.
    enum class FileUse
    {
        Open,
        Save
    };
    using FileChooser = std::function<QString(QWidget *parent, FileUse use, const QString &caption,
                                              const QString &suggested, const QString &filter)>;
    static void setFileChooser(FileChooser chooser);
    // Which sheet of a workbook with several to open: a list to choose from
    // (tests answer it themselves); empty for none.
    using SheetChooser = std::function<QString(QWidget *parent, const QStringList &sheets)>;
    static void setSheetChooser(SheetChooser chooser);

    ScheduleModel *model() const { return m_model; }
    ScheduleSortProxy *rows() const { return m_rows; }
    QTableView *table() const { return m_table; }
    QLabel *summary() const { return m_summary; }
    QCheckBox *problemsOnly() const { return m_problemsOnly; }
    // The editor of a condition's value for empty cells (ConditionFields'
    // order): a combo box or a line edit; nothing for breaker and length.
    QWidget *defaultEditor(std::size_t field) const;

    bool save();
    bool saveAs();
    bool exportReport();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit ScheduleWindow(std::unique_ptr<ScheduleFile> file, QWidget *parent);
    QWidget *createDefaultsBox();
    void createMenus();
    void showTitle();
    void showSummary();
    bool saveTo(const QString &path);
    static QString chooseFile(QWidget *parent, FileUse use, const QString &caption,
                              const QString &suggested, const QString &filter);

    ScheduleModel *m_model = nullptr;
    ScheduleSortProxy *m_rows = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QCheckBox *m_problemsOnly = nullptr;
    std::vector<QWidget *> m_defaultEditors;
};
