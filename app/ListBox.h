#pragma once

#include <QColor>
#include <QComboBox>
#include <QPalette>

// A drop-down list whose text takes a colour of its own (the conductor
// material's) while its palette, set once, stays as it is. Setting a
// widget's palette makes a new palette each time, and the style caches its
// drawings of the list's face by palette: a palette per click would grow
// that cache for as long as the program runs. So the face is drawn with the
// list's own palette, the closed list's text with a palette of the colour
// that no widget holds, and the popup's rows carry the colour as their
// foreground.
class ListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void colourRows(int first, int last);

    QColor m_textColour;
    QPalette m_textPalette; // the list's palette with the text colour
};
