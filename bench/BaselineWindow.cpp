#include "BaselineWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

BaselineWindow::BaselineWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Baseline"));
    setFixedSize(377, 97);
    auto *left = new QGroupBox(QStringLiteral("Left"), this);
    left->setGeometry(8, 7, 187, 84);
    auto *right = new QGroupBox(QStringLiteral("Right"), this);
    right->setGeometry(208, 7, 163, 84);
    new QPushButton(QStringLiteral("About"), right);
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("Button"), this))->setGeometry(14 + 55 * i, 26, 50, 34);
    for (int i = 0; i < 3; ++i) {
        auto *list = new QComboBox(this);
        list->setGeometry(14 + 100 * i, 65, 90, 22);
        for (int row = 0; row < 25; ++row)
            list->addItem(QStringLiteral("Row %1").arg(row));
    }
    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    m_timer->start();
}
