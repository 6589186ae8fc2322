#pragma once

#include <QPushButton>
#include <QString>

// A command button whose caption wraps onto a second line within the button,
// breaking only at ordinary blanks: a no-break space (U+00A0) or a hyphen
// never ends a line, so "Wires # 1-3" shows "Wires #" over "1-3".
//
// Enter presses it as Space does, since the main window is no dialog with a
// default button.
//
// caption() is the condition text the handlers compare and set, exactly as
// given; the text QPushButton draws is the wrapped form of it.
class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CaptionButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void wrapWhenShown();
    void updateShownText();
    int availableTextWidth() const;

    QString m_caption;
    bool m_wrapPending = false;
};
