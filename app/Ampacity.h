#pragma once

// The main window of the ampacity calculator.
//
// How the program is split: the numbers, texts and table choices come from
// the toolkit-free core (tables_core, corrections_core, app_core); this class
// only puts them on the screen, through the Qt bridge of common/ (twips,
// colours, fonts, translated captions). It owns the calculator state and its
// controls, and its handlers are named by control and event:
//
//  - Form_Load places the window and fills the wire-size list (start-up).
//  - Timer1_Timer / Timer2_Timer poll the leading list every 50 ms, copy its
//    row into the other list and recompute the corrected ampacity; the list
//    that last received the focus leads (ComWS_GotFocus, ComAM_GotFocus).
//  - MaterCmnd_Click, CondCmnd_Click, TempCmnd_Click step the conditions and
//    rebuild the ampacity list (TiCom1_Click).
//  - AmbCmnd_Click, NoOfWCmd_Click step the correction factors.
//  - TiCom2_Click writes the corrected ampacity, TiCom3_Click the caption of
//    the correction frame.
//  - The context menu (right button, Menu key, Shift+F10), Ctrl+O and a file
//    dropped on the strip open a cable schedule in its own window
//    (schedule/ScheduleWindow); nothing of it shows on the strip.

#include "AmpacityState.h"
#include "FactorCycle.h"
#include "QtBridge.h"

#include <QPointer>
#include <QWidget>

#include <span>
#include <string>

class AboutAmp;
class QAction;
class CaptionButton;
class QComboBox;
class QGroupBox;
class QPushButton;
class ListBox;
class QTimer;
class ResultBox;
class StartUpPlacer;

class Ampacity : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(Ampacity)

public:
    explicit Ampacity(QWidget *parent = nullptr);
    ~Ampacity() override;

    const AmpacityState &state() const { return m_state; }
    AmpacityState &state() { return m_state; }

    // Controls, named as the handlers refer to them.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    ListBox *ComWS = nullptr;
    ListBox *ComAM = nullptr;
    CaptionButton *MaterCmnd = nullptr;
    CaptionButton *CondCmnd = nullptr;
    CaptionButton *TempCmnd = nullptr;
    CaptionButton *AmbCmnd = nullptr;
    CaptionButton *NoOfWCmd = nullptr;
    CaptionButton *ExitCmd = nullptr;
    ResultBox *CorectAmpacity = nullptr;
    CaptionButton *AboutCmd = nullptr;
    QAction *OpenScheduleCmd = nullptr; // "Size a cable schedule…", in the context menu
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    // The About window while it is open.
    AboutAmp *aboutWindow() const;

    void Form_Load();

    void ExitCmd_Click();
    void AboutCmd_Click();
    void MaterCmnd_Click();
    void CondCmnd_Click();
    void TempCmnd_Click();
    void AmbCmnd_Click();
    void NoOfWCmd_Click();

    void ComWS_GotFocus();
    void ComAM_GotFocus();
    void Timer1_Timer();
    void Timer2_Timer();

    void TiCom1_Click();
    void TiCom2_Click();
    void TiCom3_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createScheduleAction();
    void showContextMenu(const QPoint &globalPosition);
    void setTabOrder();
    void describeForAssistiveTechnology();
    static void describe(QWidget *control, const QString &description);
    void nameList(QComboBox *list, const QString &name, const QString &description);
    void setMaterialColour(std::uint32_t colourValue);
    void stepCorrection(std::span<const ampacity::FactorStep> cycle, float &factor,
                        CaptionButton *button);
    void showCorrectionBoxIfApplies();
    void focusWireSizeList();
    void followLeadingList(const QComboBox *leading, QComboBox *following, std::int16_t &leadingRow,
                           std::int16_t &followingRow);
    void ensureWindowIcon();
    void endProgram();

    AmpacityState m_state;
    qtbridge::Twips m_twips;
    std::span<const std::string> m_ampacityTexts; // the ampacity list's rows, from the core
    std::string m_decimalSeparator;
    StartUpPlacer *m_placer = nullptr;
    QPointer<AboutAmp> m_about;
    bool m_iconSet = false;
};
