#include "Ampacity.h"

#include "AboutAmp.h"
#include "AmpacityTables.h"
#include "CaptionButton.h"
#include "ConditionCycles.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"
#include "ListBox.h"
#include "ResultBox.h"
#include "ScheduleWindow.h"
#include "StartUpPlacer.h"
#include "WindowFrame.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <algorithm>

using namespace ampacity;
using qtbridge::arial;
using qtbridge::colourOf;
using qtbridge::toQString;
using qtbridge::toUtf8;

namespace {

constexpr int PollIntervalMs = 50;

// Switching on a timer that already runs must not push its next tick back,
// which QTimer::start() would do.
void enableTimer(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/torvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

Ampacity::Ampacity(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_twips(qtbridge::Twips::of(this))
{
    setObjectName(QStringLiteral("Ampacity"));
    setWindowTitle(
        qtbridge::translatedCaption(QT_TRANSLATE_NOOP("Captions", "2024 CEC Ampacity Table 2")));
    // Client area 5655 x 1455 twips; the user can neither resize nor maximize it.
    setFixedSize(m_twips.size(5655, 1455));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    platform::makeFrameFixed(*this);

    setPalette(qtbridge::onFixedBackground(palette(), colourOf(colours::LightGreyBackground)));
    setAutoFillBackground(true);

    m_decimalSeparator = toUtf8(QLocale().decimalPoint());
    m_placer = new StartUpPlacer(this, [this](const WindowPlacement &placement) {
        m_state.WinLeft = float(placement.left);
        m_state.WinTop = float(placement.top);
    });

    createControls();
    createScheduleAction();
    Form_Load();
}

// The schedule window opens from here: a context menu (the right button, the
// Menu key, Shift+F10) with "Size a cable schedule…" (Ctrl+O), or a CSV file
// dropped on the strip. Nothing of it shows until it is asked for.
void Ampacity::createScheduleAction()
{
    OpenScheduleCmd = new QAction(tr("Size a cable schedule…"), this);
    OpenScheduleCmd->setShortcut(QKeySequence::Open);
    OpenScheduleCmd->setShortcutContext(Qt::WindowShortcut);
    addAction(OpenScheduleCmd);
    connect(OpenScheduleCmd, &QAction::triggered, this,
            [this] { ScheduleWindow::askAndOpen(this); });

    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QWidget *focus = focusWidget() ? focusWidget() : this;
        showContextMenu(focus->mapToGlobal(focus->rect().center()));
    });
    setAcceptDrops(true);
}

void Ampacity::showContextMenu(const QPoint &globalPosition)
{
    QMenu menu(this);
    menu.addAction(OpenScheduleCmd);
    menu.exec(globalPosition);
}

void Ampacity::contextMenuEvent(QContextMenuEvent *event)
{
    showContextMenu(event->globalPos());
}

namespace {

// The local files among what is dragged.
QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (data)
        for (const QUrl &url : data->urls())
            if (url.isLocalFile())
                files.append(url.toLocalFile());
    return files;
}

} // namespace

void Ampacity::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Ampacity::dropEvent(QDropEvent *event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString &file : files)
        ScheduleWindow::openSchedule(file, this);
}

// The About window is a window of its own, not a child: it goes with this one.
Ampacity::~Ampacity()
{
    delete m_about;
}

AboutAmp *Ampacity::aboutWindow() const
{
    return m_about;
}

// Controls are created bottom of the stack first, so that each one is drawn
// over those before it: the frames lie under the buttons and lists drawn on
// them, and the corrected-ampacity box covers the About button.
void Ampacity::createControls()
{
    // Arial 8.25 for every control but two; they inherit it from the window.
    setFont(arial(8.25));

    Frame2 = new QGroupBox(qtbridge::translatedCaption(InitialCorrectionFrameCaption), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(m_twips.rect(3120, 100, 2448, 1260));

    AboutCmd = new CaptionButton(QT_TRANSLATE_NOOP("Captions", "A b o u t"), Frame2);
    AboutCmd->setObjectName(QStringLiteral("AboutCmd"));
    AboutCmd->setGeometry(m_twips.rect(84, 880, 2280, 264));
    AboutCmd->setFont(arial(7.5));

    Frame1 = new QGroupBox(tr("For 30°C Ambient Temp."), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(m_twips.rect(120, 100, 2805, 1260));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PollIntervalMs);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(PollIntervalMs);

    ComWS = new ListBox(this);
    ComWS->setObjectName(QStringLiteral("ComWS"));
    ComWS->setGeometry(m_twips.rect(210, 975, 1368, 330));

    ComAM = new ListBox(this);
    ComAM->setObjectName(QStringLiteral("ComAM"));
    ComAM->setGeometry(m_twips.rect(1680, 975, 1164, 330));

    auto makeButton = [this](const QString &objectName, const QString &caption, QRect geometry) {
        auto *button = new CaptionButton(caption, this);
        button->setObjectName(objectName);
        button->setGeometry(geometry);
        return button;
    };
    MaterCmnd = makeButton(QStringLiteral("MaterCmnd"), toQString(CopperCaption),
                           m_twips.rect(210, 390, 525, 516));
    MaterCmnd->setFont(arial(9, true));
    CondCmnd = makeButton(QStringLiteral("CondCmnd"), toQString(RacewayOrCableCaption),
                          m_twips.rect(795, 390, 975, 510));
    TempCmnd =
        makeButton(QStringLiteral("TempCmnd"), toQString(insulationCaption(insulation::Rated60C)),
                   m_twips.rect(1800, 390, 1050, 510));
    AmbCmnd = makeButton(QStringLiteral("AmbCmnd"), toQString(InitialAmbientCaption),
                         m_twips.rect(3210, 390, 852, 516));
    NoOfWCmd = makeButton(QStringLiteral("NoOfWCmd"),
                          toQString(conductorCountCycle(installation::RacewayOrCable)[0].caption),
                          m_twips.rect(4125, 390, 768, 516));

    // A simple-style combo box only as high as its text line: the user may
    // type into it, but the next tick writes the result over what was typed.
    CorectAmpacity = new ResultBox(this);
    CorectAmpacity->setObjectName(QStringLiteral("CorectAmpacity"));
    CorectAmpacity->setGeometry(m_twips.rect(3210, 975, 2280, 330));
    CorectAmpacity->showResult(InitialCorrectedAmpacityText);
    CorectAmpacity->hide();

    ExitCmd = makeButton(QStringLiteral("ExitCmd"), QT_TRANSLATE_NOOP("Captions", "Exit"),
                         m_twips.rect(4965, 390, 516, 516));

    // The three lists' backgrounds keep both material colours readable; set
    // once, they never change. Only the text colour follows the material.
    const QPalette lists = qtbridge::withFixedText(
        palette(), {colourOf(colours::CopperTextColour), colourOf(colours::AluminumTextColour)});
    for (QComboBox *list : {static_cast<QComboBox *>(ComWS), static_cast<QComboBox *>(ComAM),
                            static_cast<QComboBox *>(CorectAmpacity)}) {
        list->setPalette(lists);
        list->view()->setPalette(lists);
    }
    setMaterialColour(colours::CopperTextColour);

    setTabOrder();
    describeForAssistiveTechnology();

    // The lists for their focus and, with the result box, for the context
    // menu: a combo box takes the right button's event and does not pass it
    // on to the strip.
    ComWS->installEventFilter(this);
    ComAM->installEventFilter(this);
    CorectAmpacity->installEventFilter(this);

    connect(Timer1, &QTimer::timeout, this, &Ampacity::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Ampacity::Timer2_Timer);
    connect(MaterCmnd, &QPushButton::clicked, this, &Ampacity::MaterCmnd_Click);
    connect(CondCmnd, &QPushButton::clicked, this, &Ampacity::CondCmnd_Click);
    connect(TempCmnd, &QPushButton::clicked, this, &Ampacity::TempCmnd_Click);
    connect(AmbCmnd, &QPushButton::clicked, this, &Ampacity::AmbCmnd_Click);
    connect(NoOfWCmd, &QPushButton::clicked, this, &Ampacity::NoOfWCmd_Click);
    connect(ExitCmd, &QPushButton::clicked, this, &Ampacity::ExitCmd_Click);
    connect(AboutCmd, &QPushButton::clicked, this, &Ampacity::AboutCmd_Click);
}

// What a press does and which table applies: one text, shown as the
// tooltip and read by a screen reader as the description. Each button's
// name for a screen reader is its caption (CaptionButton keeps them
// together); a list's name says what it lists, its current row is its value.
void Ampacity::describeForAssistiveTechnology()
{
    describe(MaterCmnd, tr("Conductor material: copper (CU) or aluminum (AL). Press to change "
                           "it; copper uses Tables 1 and 2, aluminum Tables 3 and 4."));
    describe(CondCmnd, tr("Installation: raceway or cable (Tables 2 and 4, conductor count from "
                          "Table 5C) or free air (Tables 1 and 3, Table 5B). Press to change it."));
    describe(TempCmnd, tr("Insulation temperature rating: press to step 60, 75 and 90 °C. It "
                          "picks the column of the table and of Table 5A."));
    describe(AmbCmnd, tr("Ambient temperature: press to raise it by 5 °C and apply the "
                         "correction factor of Table 5A."));
    describe(NoOfWCmd, tr("Number of current-carrying conductors run together: press for the "
                          "next group and its factor, Table 5C in raceway or cable, Table 5B "
                          "in free air."));
    // The caption is short to fit its narrow button (French shows "Fin");
    // the ear gets the full word.
    ExitCmd->setAccessibleName(tr("Exit", "spoken name of the Exit button"));
    describe(ExitCmd, tr("Ends the program."));
    // The caption spaces its letters out for the eye; the ear gets the word.
    AboutCmd->setAccessibleName(tr("About"));
    describe(AboutCmd, tr("Notices, version and the maker's addresses."));
    nameList(ComWS, tr("Wire size"), tr("Pick a wire size to read its ampacity."));
    nameList(ComAM, tr("Ampacity"), tr("Pick an ampacity to read the wire size that carries it."));
    nameList(CorectAmpacity, tr("Corrected ampacity"),
             tr("The table ampacity I times the ambient temperature and conductor count "
                "factors."));
}

void Ampacity::describe(QWidget *control, const QString &description)
{
    control->setToolTip(description);
    control->setAccessibleDescription(description);
}

// On Linux a combo box's accessible name is its current text, and a screen
// reader finds what the box is for in the label it is labelled by. The
// window has no room for visible labels, so each list gets a hidden one.
void Ampacity::nameList(QComboBox *list, const QString &name, const QString &description)
{
    list->setAccessibleName(name);
    describe(list, description);
    auto *label = new QLabel(name, this);
    label->setObjectName(list->objectName() + QStringLiteral("Label"));
    label->setBuddy(list);
    label->hide();
}

void Ampacity::setTabOrder()
{
    const QWidget *order[] = {ComWS,   ComAM,    MaterCmnd,      CondCmnd, TempCmnd,
                              AmbCmnd, NoOfWCmd, CorectAmpacity, ExitCmd,  AboutCmd};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
}

// The material's colour for the text of the three lists (the popups' rows too).
void Ampacity::setMaterialColour(std::uint32_t colourValue)
{
    const QColor colour = colourOf(colourValue);
    CorectAmpacity->setTextColour(colour);
    ComWS->setTextColour(colour);
    ComAM->setTextColour(colour);
}

void Ampacity::Form_Load()
{
    m_placer->place();
    setStartUpValues(m_state);

    for (int row = 0; row < CopperRowCount; ++row)
        ComWS->insertItem(row, qtbridge::translatedWireSize(WireSizeTexts[row]));
    ComWS->setCurrentIndex(m_state.WSIndex);
    TiCom1_Click();
    ComWS->setFocus(Qt::OtherFocusReason);
}

bool Ampacity::event(QEvent *event)
{
    // Decoding the icon's pictures costs a quarter of the start-up; the first
    // paint does not need them, so the icon follows right after it.
    if (event->type() == QEvent::Paint && !m_iconSet)
        QTimer::singleShot(0, this, &Ampacity::ensureWindowIcon);
    return QWidget::event(event);
}

bool Ampacity::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == ComWS)
            ComWS_GotFocus();
        else if (watched == ComAM)
            ComAM_GotFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void Ampacity::ensureWindowIcon()
{
    if (m_iconSet)
        return;
    m_iconSet = true;
    setWindowIcon(programIcon());
}

// Closing the main window through its frame ends the program like Exit: the
// About window does not stay behind on its own.
void Ampacity::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    Timer2->stop();
    if (m_about)
        m_about->close();
    QWidget::closeEvent(event);
}

void Ampacity::endProgram()
{
    Timer1->stop();
    Timer2->stop();
    QApplication::closeAllWindows();
    // A schedule window whose unsaved edits the user chose to keep stays
    // open: the program ends with it, when it closes.
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::any_of(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }))
        return;
    QCoreApplication::exit(0);
    // Before the event loop runs, exit() has no effect: quit as soon as it starts.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void Ampacity::ExitCmd_Click()
{
    endProgram();
}

// Opens the About window without making it modal. A second click while it
// is open shows the same window where it is.
void Ampacity::AboutCmd_Click()
{
    ensureWindowIcon(); // the About window wears the same icon
    if (!m_about)
        m_about = new AboutAmp(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

// Gives the keyboard focus to the wire-size list so that it leads. The
// toolkit sends no focus-in event when the list already has the focus or the
// window is not active; the handler then runs directly, as the move would run it.
void Ampacity::focusWireSizeList()
{
    const bool sendsFocusIn = isActiveWindow() && !ComWS->hasFocus();
    ComWS->setFocus(Qt::OtherFocusReason);
    if (!sendsFocusIn)
        ComWS_GotFocus();
}

void Ampacity::MaterCmnd_Click()
{
    Timer2->stop();
    Timer1->stop();
    const MaterialChange change = nextMaterial(toUtf8(MaterCmnd->caption()), m_state.WSIndex);
    MaterCmnd->setCaption(toQString(change.caption));
    m_state.MaterSel = change.materialCode;
    if (change.removesFirstWireSize)
        ComWS->removeItem(0);
    else
        ComWS->insertItem(0, qtbridge::translatedWireSize(FirstWireSizeText));
    setMaterialColour(change.textColour);
    m_state.WSIndex = change.wireSizeRow;
    ComWS->setCurrentIndex(m_state.WSIndex);
    TiCom1_Click();
    focusWireSizeList();
}

void Ampacity::CondCmnd_Click()
{
    Timer2->stop();
    Timer1->stop();
    const InstallationChange change = nextInstallation(toUtf8(CondCmnd->caption()));
    CondCmnd->setCaption(toQString(change.caption));
    m_state.CondSel = change.installationCode;
    NoOfWCmd->setCaption(toQString(change.conductorCount.caption));
    m_state.NoOfWFactor = change.conductorCount.factor;
    TiCom1_Click();
    TiCom3_Click();
    focusWireSizeList();
}

void Ampacity::TempCmnd_Click()
{
    Timer2->stop();
    Timer1->stop();
    const InsulationChange change = nextInsulation(m_state.TempSel);
    m_state.TempSel = change.insulationCode;
    TempCmnd->setCaption(toQString(change.caption));
    m_state.AmbFactor = change.ambient.factor;
    AmbCmnd->setCaption(toQString(change.ambient.caption));
    TiCom1_Click();
    TiCom3_Click();
    focusWireSizeList();
}

void Ampacity::AmbCmnd_Click()
{
    stepCorrection(ambientCycle(m_state.TempSel), m_state.AmbFactor, AmbCmnd);
}

void Ampacity::NoOfWCmd_Click()
{
    stepCorrection(conductorCountCycle(m_state.CondSel), m_state.NoOfWFactor, NoOfWCmd);
}

// The ambient and conductor-count buttons: the next step of the table in
// force, the box shown while a correction applies, the frame's caption, and
// the lead back to the wire-size list. The next tick shows the new result.
void Ampacity::stepCorrection(std::span<const FactorStep> cycle, float &factor,
                              CaptionButton *button)
{
    const FactorStep next = nextFactorStep(cycle, factor);
    factor = next.factor;
    button->setCaption(toQString(next.caption));
    showCorrectionBoxIfApplies();
    TiCom3_Click();
    focusWireSizeList();
}

void Ampacity::showCorrectionBoxIfApplies()
{
    CorectAmpacity->setVisible(correctionApplies(m_state.AmbFactor, m_state.NoOfWFactor));
}

void Ampacity::ComWS_GotFocus()
{
    Timer2->stop();
    enableTimer(Timer1);
}

void Ampacity::ComAM_GotFocus()
{
    Timer1->stop();
    enableTimer(Timer2);
}

void Ampacity::Timer1_Timer()
{
    followLeadingList(ComWS, ComAM, m_state.WSIndex, m_state.AMIndex);
}

void Ampacity::Timer2_Timer()
{
    followLeadingList(ComAM, ComWS, m_state.AMIndex, m_state.WSIndex);
}

// One tick, twenty times a second: the leading list's row goes to the other
// list (unless the leading list has none) and the result is worked out
// again. An unchanged row is not set again: it would change nothing a user
// can see, only cost a repaint.
void Ampacity::followLeadingList(const QComboBox *leading, QComboBox *following,
                                 std::int16_t &leadingRow, std::int16_t &followingRow)
{
    leadingRow = static_cast<std::int16_t>(leading->currentIndex());
    followingRow = leadingRow;
    if (followingRow >= 0 && following->currentIndex() != followingRow)
        following->setCurrentIndex(followingRow);
    TiCom2_Click();
}

// Rebuilds the ampacity list for the conditions in force and names the table
// in the title. The list is left with no row selected; the next tick of
// Timer1 selects the wire-size list's row.
void Ampacity::TiCom1_Click()
{
    ComAM->clear();
    m_ampacityTexts = {};
    const auto column = selectAmpacityColumn(m_state.MaterSel, m_state.CondSel, m_state.TempSel);
    if (!column) {
        // Codes no table answers: the buttons cannot produce them.
        endProgram();
        return;
    }
    setWindowTitle(qtbridge::translatedCaption(column->title));
    m_ampacityTexts = column->texts;
    QStringList rows;
    rows.reserve(qsizetype(column->texts.size()));
    for (const std::string &text : column->texts)
        rows.append(toQString(text));
    ComAM->addItems(rows);
    ComAM->setCurrentIndex(-1);
    enableTimer(Timer1);
}

// Runs on every tick: reads the selected ampacity text, works out the
// corrected ampacity and writes its text. The text of the selected row is
// read from the texts the list was filled with (TiCom1_Click), which spares
// twenty round trips a second through the list's model and UTF-16. The box
// is written only when its text changes, so an idle tick repaints nothing.
void Ampacity::TiCom2_Click()
{
    const int row = ComAM->currentIndex();
    std::string_view selected; // no row selected: the empty text
    if (row >= 0 && std::size_t(row) < m_ampacityTexts.size())
        selected = m_ampacityTexts[std::size_t(row)];
    const Correction correction = correctAmpacity(selected, m_state.AmbFactor, m_state.NoOfWFactor);
    m_state.BaseAmp = correction.baseAmp;
    m_state.CorrectedAmp = correction.correctedAmp;
    CorectAmpacity->showResult(correctedAmpacityText(correction.correctedAmp, m_state.AmbFactor,
                                                     m_state.NoOfWFactor, m_decimalSeparator));
}

void Ampacity::TiCom3_Click()
{
    const auto caption =
        correctionFrameCaption(m_state.AmbFactor, m_state.NoOfWFactor, m_state.CondSel);
    if (caption)
        Frame2->setTitle(qtbridge::translatedCaption(*caption));
}
