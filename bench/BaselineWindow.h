#pragma once

#include <QWidget>

class QTimer;

// The yardstick for the calculator's costs: a bare window with the same kinds
// and number of widgets (two frames, seven buttons, three combo boxes) and a
// 50 ms timer that does nothing. No tables, no logic.
class BaselineWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BaselineWindow(QWidget *parent = nullptr);

private:
    QTimer *m_timer = nullptr;
};
