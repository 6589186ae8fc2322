#include "CaptionButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

CaptionButton::CaptionButton(const QString &caption, QWidget *parent) : QPushButton(parent)
{
    setCaption(caption);
}

void CaptionButton::setCaption(const QString &caption)
{
    if (caption == m_caption && !m_caption.isEmpty())
        return;
    m_caption = caption;
    setAccessibleName(caption);
    wrapWhenShown();
}

void CaptionButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    wrapWhenShown();
}

void CaptionButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        wrapWhenShown();
}

void CaptionButton::showEvent(QShowEvent *event)
{
    if (m_wrapPending)
        updateShownText();
    QPushButton::showEvent(event);
}

// Wrapping measures text, which is worth doing once, for the size and font
// the button is shown with, rather than at every step of building the window.
void CaptionButton::wrapWhenShown()
{
    if (isVisible())
        updateShownText();
    else
        m_wrapPending = true;
}

int CaptionButton::availableTextWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return width() - margin - 2 * frame;
}

// Greedy word wrap at ordinary blanks only. A word wider than the button
// stands on a line of its own rather than being cut. Blanks at the end of a
// caption ("3 Wires ") are not shown: they would wrap into an empty line.
void CaptionButton::updateShownText()
{
    m_wrapPending = false;
    const QFontMetrics metrics(font());
    const int available = availableTextWidth();
    QString caption = m_caption;
    while (caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    const QStringList words = caption.split(QLatin1Char(' '));

    QStringList lines;
    QString line;
    for (const QString &word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(candidate) <= available) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
    }
    lines.append(line);

    const QString shown = lines.join(QLatin1Char('\n'));
    if (shown != text())
        setText(shown);
}
