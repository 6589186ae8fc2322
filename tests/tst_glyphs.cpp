#include "AboutAmp.h"
#include "Desktop.h"
#include "WindowTestFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QSet>

using namespace windowtest;

// Every letter the windows show is drawn. A font engine can leave a glyph
// out (under Wine, Windows' own engine once drew no capital I: "nsulation",
// "( × 0.82 × 1)"), and a caption that loses a letter still fits its
// button, so the readability checks would not see it. Here each character
// of every text the windows can show is drawn alone, in each font the
// windows use, on the platform the program runs on, and must leave ink.
class TestGlyphs : public QObject
{
    Q_OBJECT

public:
    // As the program does, before the application object exists.
    static void initMain() { platform::chooseFontEngine(); }

private slots:
    void everyCharacterLeavesInk();
};

namespace {

// The texts a widget shows, and the font it shows them in.
void collect(QWidget *root, QSet<QChar> &characters, QHash<QString, QFont> &fonts)
{
    const auto add = [&](const QString &text, const QFont &font) {
        for (QChar c : text)
            if (!c.isSpace())
                characters.insert(c);
        fonts.insert(font.key(), font);
    };
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text(), button->font());
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->isVisibleTo(root))
            add(label->text(), label->font());
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            add(frame->title(), frame->font());
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int row = 0; row < list->count(); ++row)
                add(list->itemText(row), list->font());
    }
}

// Dark pixels left by one character drawn black on white.
int inkOf(QChar character, const QFont &font)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QString(character));
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 160;
    return ink;
}

} // namespace

void TestGlyphs::everyCharacterLeavesInk()
{
    auto w = openMainWindow();
    QSet<QChar> characters;
    QHash<QString, QFont> fonts;

    // The captions of every step of every button, and both materials' lists.
    for (CaptionButton *button : {w->MaterCmnd, w->CondCmnd, w->TempCmnd, w->AmbCmnd, w->NoOfWCmd})
        for (int press = 0; press < 12; ++press) {
            collect(w.get(), characters, fonts);
            click(button);
        }
    // The result with a correction in force: its I, × and decimals.
    click(w->AmbCmnd);
    QTRY_VERIFY(w->CorectAmpacity->currentText().contains(QChar(0x00D7)));
    for (QChar c : w->CorectAmpacity->currentText() + w->windowTitle())
        if (!c.isSpace())
            characters.insert(c);
    fonts.insert(w->CorectAmpacity->font().key(), w->CorectAmpacity->font());
    click(w->AboutCmd);
    QVERIFY(w->aboutWindow());
    collect(w->aboutWindow(), characters, fonts);
    QVERIFY(characters.contains(QLatin1Char('I')));

    QStringList missing;
    for (const QFont &font : std::as_const(fonts))
        for (QChar c : std::as_const(characters))
            if (inkOf(c, font) == 0)
                missing << QStringLiteral("'%1' in %2").arg(c, font.toString());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
