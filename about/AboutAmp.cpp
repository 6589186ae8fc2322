#include "AboutAmp.h"

#include "AboutTexts.h"
#include "QtBridge.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

using qtbridge::arial;

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The window's colours, built once per run rather than at every opening: the
// light grey of the layout with texts that read on it, and the links in the
// desktop's highlight colour where that reads on the grey, dark blue where not.
const QPalette &windowColours()
{
    static const QPalette colours = qtbridge::onFixedBackground(
        QApplication::palette(), qtbridge::colourOf(colours::LightGreyBackground));
    return colours;
}

const QPalette &linkColours()
{
    static const QPalette colours = [] {
        QPalette link = windowColours();
        const QColor grey = link.color(QPalette::Window);
        link.setColor(QPalette::WindowText,
                      qtbridge::readableOn(grey, link.color(QPalette::Active, QPalette::Highlight),
                                           QColor(0, 0, 192)));
        return link;
    }();
    return colours;
}

// MS Sans Serif has no metric twin on free desktops; the nearest sans serif stands in.
QFont msSansSerifBold()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

// The label keeps its width, wraps at word boundaries and grows downward from
// its top to the height the wrapped text needs. Where a wider font than
// Arial (or a translation) needs more lines than there is room for above the
// link below, the text is set a little smaller until it fits, down to a size
// that still reads; the links never move.
void growDownward(QLabel *label, const QWidget *below)
{
    constexpr double SmallestPoints = 7.0;
    const int room = below->geometry().top() - label->geometry().top() - 2;
    // A label's height for a width is never below its minimum height.
    auto neededHeight = [label] {
        label->setMinimumHeight(0);
        return label->heightForWidth(label->width());
    };
    QFont font = label->font();
    while (neededHeight() > room && font.pointSizeF() > SmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
    label->setFixedHeight(neededHeight());
}

// A link shows its address on one line. An address wider than its label
// (a long one set in the build, a larger font DPI) widens the label to
// either side, so that the address stays whole and centred where it was.
void widenToText(QLabel *link)
{
    const int needed = link->fontMetrics().horizontalAdvance(link->text()) + 2;
    if (needed <= link->width())
        return;
    QRect geometry = link->geometry();
    const int centre = geometry.center().x();
    geometry.setWidth(needed);
    geometry.moveLeft(std::max(0, centre - needed / 2));
    link->setGeometry(geometry);
}

} // namespace

// A top-level window with no parent: a window manager keeps a dialog above
// the window it belongs to, and this one, as large as the main window and on
// its corner, would hide it for as long as it is open.
AboutAmp::AboutAmp(QWidget *mainWindow)
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("AboutAmp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("About Torvane"));
    setFixedSize(qtbridge::Twips::of(this).size(5655, 4755));
    platform::makeFrameFixed(*this);
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());

    setPalette(windowColours());
    setAutoFillBackground(true);

    createControls();
    Form_Load();
}

// Created bottom of the stack first: the web-site link lies lowest, the OK
// button on top.
void AboutAmp::createControls()
{
    const qtbridge::Twips twips = qtbridge::Twips::of(this);
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
        link->setPalette(linkColours());
        link->setText(QString::fromUtf8(address));
        widenToText(link);
        return link;
    };

    LabelBrevik = makeLink(QStringLiteral("LabelBrevik"), twips.rect(1200, 2400, 3015, 300),
                           about::MakerWebSite);
    Label1 = makeLabel(QStringLiteral("Label1"), twips.rect(100, 100, 5400, 225), arial(9));
    Label3 = makeLabel(QStringLiteral("Label3"), twips.rect(120, 2880, 5400, 225), arial(9));
    LabelMail =
        makeLink(QStringLiteral("LabelMail"), twips.rect(1920, 3600, 1605, 240), about::MakerEmail);
    Label4 = makeLabel(QStringLiteral("Label4"), twips.rect(2760, 4500, 2760, 210), arial(8.25));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2 = makeLabel(QStringLiteral("Label2"), twips.rect(120, 4500, 2760, 210), arial(8.25));

    Command3 = new QPushButton(QStringLiteral("OK"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(twips.rect(2160, 4100, 1095, 345));
    Command3->setFont(msSansSerifBold());
    Command3->setDefault(true);
    Command3->setFocus(Qt::OtherFocusReason);
    connect(Command3, &QPushButton::clicked, this, &AboutAmp::Command3_Click);
}

void AboutAmp::Form_Load()
{
    if (m_mainWindow)
        move(m_mainWindow->frameGeometry().topLeft());

    // One line break after the conformance notice, an empty line before the
    // invitation, which ends in a blank and leads to the web-site link below.
    Label1->setText(
        tr("This software conforms to the 2021 and 2024 Canadian Electrical Code. Information "
           "provided here shall be used with all applicable code rules and any other "
           "regulations imposed by authority having jurisdiction.") +
        LineBreak +
        tr("This free software is provided \"as is\" and without any warranties as to "
           "performance or accuracy or any other warranties whether expressed or implied. The "
           "user must assume the entire risk of using the program.") +
        LineBreak + LineBreak +
        tr("To check for updates or other usefull tools please visit our website: "));
    growDownward(Label1, LabelBrevik);
    Label2->setText(tr("Version: %1.%2.%3")
                        .arg(about::VersionMajor)
                        .arg(about::VersionMinor)
                        .arg(about::VersionRevision));
    Label3->setText(tr("Copies for your whole office can be bought on our website. For special "
                       "prices, write to us at:"));
    growDownward(Label3, LabelMail);
    // The closing year is that of the release: 2000 plus the major version.
    QString copyright =
        tr("Copyright \u00A9 %1-%2").arg(about::FirstCopyrightYear).arg(2000 + about::VersionMajor);
    if (const QString holder = QString::fromUtf8(about::CopyrightHolder); !holder.isEmpty())
        copyright += QLatin1Char(' ') + holder;
    Label4->setText(copyright);
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
    QDesktopServices::openUrl(QUrl(QStringLiteral("Mailto:") + LabelMail->text()));
}

void AboutAmp::LabelBrevik_Click()
{
    QDesktopServices::openUrl(QUrl(LabelBrevik->text()));
}

void AboutAmp::closeAndReturnFocus()
{
    close();
    // Activated again, the main window gives the keyboard focus back to the
    // control that had it.
    if (m_mainWindow)
        m_mainWindow->activateWindow();
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
