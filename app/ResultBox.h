#pragma once

#include <QColor>
#include <QComboBox>
#include <QHash>
#include <QPalette>

#include <string>
#include <string_view>

// The corrected-ampacity box: a simple-style combo box only as high as its
// text line. Its list part never shows, so it is drawn as a plain text field
// with no drop-down button and opens no popup; what remains is an editable
// line for reading the result.
class ResultBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget *parent = nullptr);

    void showPopup() override {}

    // Shows a result, given in UTF-8 as the core writes it. Where it is wider
    // than the box, the box shows its beginning (the amperes) and cuts its
    // end (the factors), never the other way round. A text the box already
    // shows is not set again: that would only repaint it.
    void showResult(std::string_view text);

    // The colour of the result (the conductor material's). The text field's
    // palette for each colour is built once and kept: a new palette at every
    // change would grow the style's cache of drawings.
    QColor textColour() const;
    void setTextColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitLineEdit();

    // What the box shows, as last set; empty once the user has typed into it.
    // Twenty ticks a second compare with it, not with the line edit's text.
    std::string m_shown;
    QHash<QRgb, QPalette> m_textPalettes;
};
