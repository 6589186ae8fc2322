#pragma once

#include <QFont>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <optional>

// A command button whose caption wraps onto a second line within the button,
// breaking only at ordinary blanks: a no-break space (U+00A0) or a hyphen
// never ends a line, so "Wires # 1-3" shows "Wires #" over "1-3".
//
// Enter presses it as Space does, since the main window is no dialog with a
// default button.
//
// caption() is the condition text the handlers compare and set, exactly as
// given, in English whatever the user's language: the buttons step by it. The
// button shows it in the user's language (a translation in the "Captions"
// context), wrapped; that is also its name for a screen reader.
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
    static QStringList wrapped(const QString &caption, const QFontMetrics &metrics, int available);
    void wrapWhenShown();
    void updateShownText();
    int availableTextWidth() const;
    int availableTextHeight() const;

    QString m_caption;
    QString m_shownCaption;
    std::optional<QFont> m_designFont; // the font given; the shown one may be smaller
    bool m_fitting = false;
    bool m_wrapPending = false;
};
