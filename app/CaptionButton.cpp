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
    if (caption == m_caption && !text().isEmpty())
        return;
    m_caption = caption;
    setAccessibleName(caption);
    updateShownText();
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
    updateShownText();
}

void CaptionButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateShownText();
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
// stands on a line of its own rather than being cut.
void CaptionButton::updateShownText()
{
    const QFontMetrics metrics(font());
    const int available = availableTextWidth();
    const QStringList words = m_caption.split(QLatin1Char(' '));

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
