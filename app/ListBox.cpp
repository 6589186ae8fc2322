#include "ListBox.h"

#include <QAbstractItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

ListBox::ListBox(QWidget *parent) : QComboBox(parent)
{
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { colourRows(first, last); });
}

void ListBox::setTextColour(const QColor &colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    m_textPalette = palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        m_textPalette.setColor(role, colour);
    colourRows(0, count() - 1);
    update();
}

void ListBox::colourRows(int first, int last)
{
    if (!m_textColour.isValid())
        return;
    for (int row = first; row <= last; ++row)
        setItemData(row, m_textColour, Qt::ForegroundRole);
}

// As QComboBox draws itself, with the text in the list's own colour.
void ListBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (m_textColour.isValid())
        option.palette = m_textPalette;
    painter.setPen(option.palette.color(QPalette::Text));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
