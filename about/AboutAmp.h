#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: notices, the version line, the copyright notice and two
// links, one to the maker's web site and one that starts an e-mail to the
// maker. It is a window of its own beside the main window, not modal, keeps
// nothing between openings, and is deleted when it closes, so that each
// opening loads it afresh (Form_Load).
class AboutAmp : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutAmp)

public:
    // mainWindow gives the position and the icon, and is activated again when
    // the window is closed with OK or a click on its background. It does not
    // own this window: the About window must not be kept above it.
    explicit AboutAmp(QWidget *mainWindow);

    QPushButton *Command3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *LabelMail = nullptr;
    QLabel *LabelBrevik = nullptr;

    void Form_Load();
    void Command3_Click();
    void Form_Click();
    void LabelMail_Click();
    void LabelBrevik_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void createControls();
    void closeAndReturnFocus();

    QWidget *m_mainWindow;
    bool m_backgroundPressed = false;
};
