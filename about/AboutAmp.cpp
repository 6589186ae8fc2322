#include "AboutAmp.h"

#include "AboutNotices.h"
#include "AboutTexts.h"
#include "ConditionCycles.h"
#include "QtText.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

using qtbridge::arial;
using qtbridge::toQString;
using qtbridge::twipsRect;

namespace {

// MS Sans Serif has no metric twin on free desktops; the nearest sans serif stands in.
QFont msSansSerifBold()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

// The label keeps its width, wraps at word boundaries and grows downward from
// its top to the height the wrapped text needs.
void growDownward(QLabel *label)
{
    label->setFixedHeight(label->heightForWidth(label->width()));
}

} // namespace

AboutAmp::AboutAmp(QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("AboutAmp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("About Torvane"));
    setFixedSize(qtbridge::pixels(5655), qtbridge::pixels(4755));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());

    QPalette background = palette();
    background.setColor(QPalette::Window, qtbridge::colourOf(ampacity::LightGreyBackground));
    setPalette(background);
    setAutoFillBackground(true);

    createControls();
    Form_Load();
}

// Created bottom of the stack first: the web-site link lies lowest, the OK
// button on top.
void AboutAmp::createControls()
{
    auto makeLabel = [this](const QString &name, QRect geometry, const QFont &font) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setFont(font);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->installEventFilter(this);
        return label;
    };
    auto makeLink = [&](const QString &name, QRect geometry, const char *address) {
        QLabel *link = makeLabel(name, geometry, arial(9.75, false, true));
        link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        link->setCursor(Qt::PointingHandCursor);
        QPalette colours = link->palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Highlight));
        link->setPalette(colours);
        link->setText(QString::fromUtf8(address));
        return link;
    };

    LabelBrevik = makeLink(QStringLiteral("LabelBrevik"), twipsRect(1200, 2400, 3015, 300),
                           about::MakerWebSite);
    Label1 = makeLabel(QStringLiteral("Label1"), twipsRect(100, 100, 5400, 225), arial(9));
    Label3 = makeLabel(QStringLiteral("Label3"), twipsRect(120, 2880, 5400, 225), arial(9));
    LabelMail =
        makeLink(QStringLiteral("LabelMail"), twipsRect(1920, 3600, 1605, 240), about::MakerEmail);
    Label4 = makeLabel(QStringLiteral("Label4"), twipsRect(2760, 4500, 2760, 210), arial(8.25));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2 = makeLabel(QStringLiteral("Label2"), twipsRect(120, 4500, 2760, 210), arial(8.25));

    Command3 = new QPushButton(QStringLiteral("OK"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(twipsRect(2160, 4100, 1095, 345));
    Command3->setFont(msSansSerifBold());
    Command3->setDefault(true);
    Command3->setFocus(Qt::OtherFocusReason);
    connect(Command3, &QPushButton::clicked, this, &AboutAmp::Command3_Click);
}

void AboutAmp::Form_Load()
{
    if (m_mainWindow)
        move(m_mainWindow->frameGeometry().topLeft());

    Label1->setText(toQString(about::noticesText()));
    growDownward(Label1);
    Label2->setText(toQString(
        about::versionLine(about::VersionMajor, about::VersionMinor, about::VersionRevision)));
    Label3->setText(toQString(about::BuyingNotice));
    growDownward(Label3);
    Label4->setText(toQString(about::copyrightNotice(about::VersionMajor, about::CopyrightHolder)));
}

void AboutAmp::Command3_Click()
{
    closeAndReturnFocus();
}

void AboutAmp::Form_Click()
{
    closeAndReturnFocus();
}

// The desktop opens the address with its mail program or browser. Whether it
// could is not examined: with neither, nothing in the program changes.
void AboutAmp::LabelMail_Click()
{
    QDesktopServices::openUrl(
        QUrl(toQString(about::mailtoAddress(qtbridge::toUtf8(LabelMail->text())))));
}

void AboutAmp::LabelBrevik_Click()
{
    QDesktopServices::openUrl(QUrl(LabelBrevik->text()));
}

void AboutAmp::closeAndReturnFocus()
{
    close();
    if (m_mainWindow) {
        m_mainWindow->activateWindow();
        m_mainWindow->setFocus(Qt::OtherFocusReason);
    }
}

// A click on a link follows it; a click on a text label does nothing (and
// does not reach the background behind it).
bool AboutAmp::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return QDialog::eventFilter(watched, event);

    auto *mouse = static_cast<QMouseEvent *>(event);
    auto *label = qobject_cast<QLabel *>(watched);
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && label &&
        label->rect().contains(mouse->position().toPoint())) {
        if (label == LabelMail)
            LabelMail_Click();
        else if (label == LabelBrevik)
            LabelBrevik_Click();
    }
    return true;
}

void AboutAmp::mousePressEvent(QMouseEvent *event)
{
    m_backgroundPressed = event->button() == Qt::LeftButton;
    QDialog::mousePressEvent(event);
}

void AboutAmp::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_backgroundPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_backgroundPressed = false;
    if (click)
        Form_Click();
    else
        QDialog::mouseReleaseEvent(event);
}
