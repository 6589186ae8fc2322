#include "ScheduleWindow.h"

#include "QtText.h"
#include "ScheduleFile.h"
#include "ScheduleModel.h"
#include "ScheduleReport.h"
#include "ScheduleSortProxy.h"
#include "ScheduleTexts.h"
#include "Workbook.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace ampacity::sizing;
using qtbridge::toQString;

namespace {

// The windows open now, one a file.
QList<ScheduleWindow *> openWindows;

ScheduleWindow::FileChooser fileChooser;
ScheduleWindow::SheetChooser sheetChooser;

// A condition's place in ConditionFields.
constexpr std::size_t fieldOf(std::string_view ConditionTexts::*text)
{
    std::size_t field = 0;
    while (ConditionFields[field].text != text)
        ++field;
    return field;
}

// The conditions shown above the table, in the order a designer sets them;
// breaker and length belong to each circuit.
constexpr std::size_t ShownDefaults[] = {
    fieldOf(&ConditionTexts::material),    fieldOf(&ConditionTexts::installation),
    fieldOf(&ConditionTexts::insulation),  fieldOf(&ConditionTexts::terminations),
    fieldOf(&ConditionTexts::ambient),     fieldOf(&ConditionTexts::conductors),
    fieldOf(&ConditionTexts::system),      fieldOf(&ConditionTexts::voltage),
    fieldOf(&ConditionTexts::powerFactor), fieldOf(&ConditionTexts::maxDrop),
    fieldOf(&ConditionTexts::continuous),  fieldOf(&ConditionTexts::deviceRating),
    fieldOf(&ConditionTexts::sets),        fieldOf(&ConditionTexts::bondMaterial),
    fieldOf(&ConditionTexts::protection),  fieldOf(&ConditionTexts::raceway),
    fieldOf(&ConditionTexts::wire)};

} // namespace

ScheduleWindow::ScheduleWindow(std::unique_ptr<ScheduleFile> file, QWidget *parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_model = new ScheduleModel(std::move(file), this);
    m_rows = new ScheduleSortProxy(this);
    m_rows->setSourceModel(m_model);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createDefaultsBox());
    m_problemsOnly = new QCheckBox(tr("Show &problems only"), central);
    layout->addWidget(m_problemsOnly);
    m_table = new QTableView(central);
    m_table->setModel(m_rows);
    m_table->setAccessibleName(tr("Circuits"));
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    // The file's order until the user sorts by a column.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSectionsMovable(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The counts, and with them the columns shown (a motor's current only
    // where there are motors), before the columns take their widths.
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    showSummary();
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table, 1);
    setCentralWidget(central);

    statusBar()->addWidget(m_summary, 1);
    statusBar()->setSizeGripEnabled(true);

    createMenus();
    connect(m_problemsOnly, &QCheckBox::toggled, m_rows, &ScheduleSortProxy::setProblemsOnly);
    connect(m_model, &ScheduleModel::answersChanged, this, [this] {
        setWindowModified(true);
        showSummary();
    });
    showTitle();

    // Wide enough for every column where the screen allows, so that the
    // answer shows beside the circuit without scrolling. The last column
    // stretches, so its own width is what its words need.
    const QRect screen = this->screen()->availableGeometry();
    const QHeaderView *columns = m_table->horizontalHeader();
    const int last = columns->count() - 1;
    const int lastWidth =
        std::max(static_cast<QAbstractItemView *>(m_table)->sizeHintForColumn(last),
                 columns->sectionSizeHint(last));
    const int tableWidth = m_table->verticalHeader()->sizeHint().width() + columns->length() -
                           columns->sectionSize(last) + lastWidth + 2 * m_table->frameWidth() +
                           m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                           layout->contentsMargins().left() + layout->contentsMargins().right();
    resize(std::min(std::max(tableWidth, 800), screen.width() * 9 / 10),
           std::min(700, screen.height() * 9 / 10));
    openWindows.append(this);
}

ScheduleWindow::~ScheduleWindow()
{
    openWindows.removeAll(this);
}

QWidget *ScheduleWindow::createDefaultsBox()
{
    // A heading of its own rather than a group box's title: some styles
    // (Windows') draw that title in their own colour, unreadable on a dark
    // palette; a label follows the palette.
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *heading = new QLabel(tr("Values for empty cells"), box);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    box->setAccessibleName(heading->text());
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    m_defaultEditors.assign(std::size(ConditionFields), nullptr);
    const ScheduleFile &file = m_model->file();
    int shown = 0;
    for (const std::size_t field : ShownDefaults) {
        auto *label = new QLabel(scheduletexts::conditionLabel(field), box);
        const QString value = toQString(file.defaultText(field));
        QWidget *editor = nullptr;
        const auto choices = scheduletexts::choicesOf(field);
        if (!choices.empty()) {
            auto *combo = new QComboBox(box);
            for (const scheduletexts::Choice &choice : choices)
                combo->addItem(scheduletexts::choiceName(choice),
                               QString::fromLatin1(choice.value));
            int current = combo->findData(value.toLower());
            if (current < 0) { // a value given in other words: kept as it is
                combo->addItem(value, value);
                current = combo->count() - 1;
            }
            combo->setCurrentIndex(current);
            connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, field] {
                m_model->setDefault(field, combo->currentData().toString());
            });
            editor = combo;
        } else {
            auto *edit = new QLineEdit(value, box);
            edit->setPlaceholderText(tr("not given"));
            // Room for its words whatever the font and the language: a
            // narrow window scrolls rather than cutting them.
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->placeholderText() +
                                                                        QStringLiteral("xxxx")));
            connect(edit, &QLineEdit::editingFinished, this,
                    [this, edit, field] { m_model->setDefault(field, edit->text()); });
            editor = edit;
        }
        label->setBuddy(editor);
        editor->setAccessibleName(label->text());
        grid->addWidget(label, (shown / 5) * 2, shown % 5);
        grid->addWidget(editor, (shown / 5) * 2 + 1, shown % 5);
        m_defaultEditors[field] = editor;
        ++shown;
    }
    for (int column = 0; column < 5; ++column)
        grid->setColumnStretch(column, 1);
    return box;
}

void ScheduleWindow::createMenus()
{
    // Every key the platform binds to a standard action, not only the
    // first, and the common one where the platform binds none or another
    // (Windows: Close is Ctrl+F4, Save As has no key).
    const auto keys = [](QKeySequence::StandardKey action, const QKeySequence &common) {
        QList<QKeySequence> bound = QKeySequence::keyBindings(action);
        if (!bound.contains(common))
            bound.append(common);
        return bound;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    const auto add = [&](const QString &text, const QList<QKeySequence> &shortcuts, auto handler) {
        QAction *action = file->addAction(text);
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, handler);
    };
    add(tr("&Open schedule…"), keys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)),
        [this] { askAndOpen(this); });
    file->addSeparator();
    add(tr("&Save"), keys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)),
        [this] { save(); });
    add(tr("Save &as…"), keys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        [this] { saveAs(); });
    add(tr("&Export report…"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { exportReport(); });
    file->addSeparator();
    add(tr("&Close"), keys(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)),
        [this] { close(); });
}

QWidget *ScheduleWindow::defaultEditor(std::size_t field) const
{
    return field < m_defaultEditors.size() ? m_defaultEditors[field] : nullptr;
}

void ScheduleWindow::showTitle()
{
    setWindowTitle(tr("%1[*] — Torvane").arg(QFileInfo(m_model->file().path()).fileName()));
}

void ScheduleWindow::showSummary()
{
    const ScheduleSummary summary = summarize(m_model->file().schedule());
    // The motor's current only where the schedule has motors, the raceway
    // where it asks for raceways.
    m_rows->setShowsMotors(summary.motors > 0);
    m_rows->setShowsRaceways(summary.raceways > 0);
    QString text = scheduletexts::summaryText(summary);
    if (m_model->file().readAsWindows1252())
        text += tr(" (the file is not UTF-8: read as Windows-1252)");
    m_summary->setText(text);
    m_summary->setAccessibleName(text);
}

ScheduleWindow *ScheduleWindow::windowOf(const QString &path)
{
    for (ScheduleWindow *window : std::as_const(openWindows))
        if (window->m_model->file().isAt(path))
            return window;
    return nullptr;
}

ScheduleWindow *ScheduleWindow::openSchedule(const QString &path, QWidget *parent)
{
    if (ScheduleWindow *open = windowOf(path)) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto file = std::make_unique<ScheduleFile>();
    // A workbook of several sheets: which one holds the schedule.
    const QStringList sheets = workbook::sheetNamesOf(path);
    if (sheets.size() > 1) {
        bool chosen = false;
        const QString sheet =
            sheetChooser ? sheetChooser(parent, sheets)
                         : QInputDialog::getItem(parent, tr("Torvane"),
                                                 tr("The sheet of %1 that holds the schedule:")
                                                     .arg(QFileInfo(path).fileName()),
                                                 sheets, 0, false, &chosen);
        if (sheet.isEmpty() || (!sheetChooser && !chosen))
            return nullptr;
        file->setSheet(sheet);
    }
    if (!file->load(path)) {
        QMessageBox::warning(parent, tr("Torvane"),
                             tr("%1 cannot be opened as a cable schedule: %2")
                                 .arg(QDir::toNativeSeparators(path), file->errorString()));
        return nullptr;
    }
    // A window of its own, not a child of the strip: both stay usable.
    auto *window = new ScheduleWindow(std::move(file), nullptr);
    window->show();
    return window;
}

ScheduleWindow *ScheduleWindow::askAndOpen(QWidget *parent)
{
    const QString path =
        chooseFile(parent, FileUse::Open, tr("Size a cable schedule"), QString(),
                   tr("Cable schedules (*.csv *.txt *.tsv *.xlsx *.ods);;All files (*)"));
    return path.isEmpty() ? nullptr : openSchedule(path, parent);
}

void ScheduleWindow::setSheetChooser(SheetChooser chooser)
{
    sheetChooser = std::move(chooser);
}

void ScheduleWindow::setFileChooser(FileChooser chooser)
{
    fileChooser = std::move(chooser);
}

QString ScheduleWindow::chooseFile(QWidget *parent, FileUse use, const QString &caption,
                                   const QString &suggested, const QString &filter)
{
    if (fileChooser)
        return fileChooser(parent, use, caption, suggested, filter);
    return use == FileUse::Open ? QFileDialog::getOpenFileName(parent, caption, suggested, filter)
                                : QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool ScheduleWindow::saveTo(const QString &path)
{
    if (!m_model->save(path)) {
        QMessageBox::warning(
            this, tr("Torvane"),
            tr("%1 could not be saved: %2")
                .arg(QDir::toNativeSeparators(path), m_model->file().errorString()));
        return false;
    }
    setWindowModified(false);
    showTitle();
    return true;
}

bool ScheduleWindow::save()
{
    return saveTo(m_model->file().path());
}

bool ScheduleWindow::saveAs()
{
    // A workbook's schedule is offered its own format first, then CSV.
    const QString workbook = m_model->file().workbookSuffix();
    QString filter = tr("Cable schedules (*.csv *.txt *.tsv);;All files (*)");
    if (workbook == QLatin1String("xlsx"))
        filter = tr("Excel workbooks (*.xlsx)") + QStringLiteral(";;") + filter;
    else if (workbook == QLatin1String("ods"))
        filter = tr("OpenDocument spreadsheets (*.ods)") + QStringLiteral(";;") + filter;
    const QString path =
        chooseFile(this, FileUse::Save, tr("Save the schedule as"), m_model->file().path(), filter);
    return !path.isEmpty() && saveTo(path);
}

bool ScheduleWindow::exportReport()
{
    const QFileInfo schedule(m_model->file().path());
    const QString path =
        chooseFile(this, FileUse::Save, tr("Export the report"),
                   schedule.dir().filePath(schedule.completeBaseName() + QStringLiteral(".pdf")),
                   tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (!schedulereport::writeReport(m_model->file(), path, &error)) {
        QMessageBox::warning(this, tr("Torvane"),
                             tr("The report could not be written to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    return true;
}

void ScheduleWindow::closeEvent(QCloseEvent *event)
{
    if (!isWindowModified()) {
        event->accept();
        return;
    }
    QMessageBox question(QMessageBox::Warning, tr("Torvane"),
                         tr("Save the changes to %1 before closing?")
                             .arg(QFileInfo(m_model->file().path()).fileName()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        if (save())
            event->accept();
        else
            event->ignore();
        break;
    case QMessageBox::Discard:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}
