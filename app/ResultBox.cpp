#include "ResultBox.h"

#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QStylePainter>

ResultBox::ResultBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Return must not add what was typed as a row.
    setInsertPolicy(QComboBox::NoInsert);
    // The no-drop pointer says the box is for reading.
    setCursor(Qt::ForbiddenCursor);
    lineEdit()->setCursor(Qt::ForbiddenCursor);
    // Typing, pasting or cutting (never the program) makes the text another.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_shown.clear(); });
}

void ResultBox::showResult(std::string_view text)
{
    if (text == m_shown)
        return;
    m_shown = text;
    setEditText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    // A line edit keeps its cursor in view, and setting a text puts the
    // cursor at the end; at the start, the view shows the beginning.
    lineEdit()->setCursorPosition(0);
}

QColor ResultBox::textColour() const
{
    return lineEdit()->palette().color(QPalette::Text);
}

void ResultBox::setTextColour(const QColor &colour)
{
    auto palette = m_textPalettes.find(colour.rgb());
    if (palette == m_textPalettes.end()) {
        QPalette coloured = this->palette();
        coloured.setColor(QPalette::Text, colour);
        palette = m_textPalettes.insert(colour.rgb(), coloured);
    }
    lineEdit()->setPalette(*palette);
}

void ResultBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.state |= QStyle::State_Sunken;
    painter.drawPrimitive(QStyle::PE_PanelLineEdit, frame);
}

void ResultBox::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    fitLineEdit();
}

void ResultBox::showEvent(QShowEvent *event)
{
    QComboBox::showEvent(event);
    fitLineEdit();
}

// The text line takes the whole box, where a drop-down box keeps room for its button.
void ResultBox::fitLineEdit()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    lineEdit()->setGeometry(rect().adjusted(frame + 1, frame, -frame - 1, -frame));
}
