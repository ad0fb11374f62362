// Every window looks as its layout says whatever the desktop offers: its own
// ink under a dark scheme, its texts within their places with only DejaVu
// installed or on a scaled screen. CTest runs this program once per desktop
// (KOVRA_LOOKS=dark, qt6ct, dejavu, or plain with a QT_SCALE_FACTOR).
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/shape.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

QString mode() { return qEnvironmentVariable("KOVRA_LOOKS"); }

// The desktop's colours under test: light text on dark grey, as the dark
// schemes of the common desktops have it.
QPalette darkDesktop()
{
    QPalette p(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    for (auto r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(r, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    return p;
}

// Sets the desktop up before the application exists: a qt6ct configuration
// with its dark scheme, or a fontconfig that knows DejaVu alone.
void prepareDesktop(QTemporaryDir& home)
{
    if (mode() == QLatin1String("qt6ct")) {
        QDir(home.path()).mkpath(QStringLiteral("qt6ct"));
        QFile conf(home.path() + QStringLiteral("/qt6ct/qt6ct.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
                   "custom_palette=true\nstyle=Fusion\n");
        conf.close();
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
    } else if (mode() == QLatin1String("dejavu")) {
        QFile conf(home.path() + QStringLiteral("/fonts.conf"));
        conf.open(QIODevice::WriteOnly);
        conf.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                   "<dir>/usr/share/fonts/truetype/dejavu</dir>\n<cachedir>" + home.path().toLocal8Bit()
                   + "/cache</cachedir>\n</fontconfig>\n");
        conf.close();
        qputenv("FONTCONFIG_FILE", (home.path() + QStringLiteral("/fonts.conf")).toLocal8Bit());
    }
}

QList<QWidget*> allWindows()
{
    return {gameWindow(), startWindow(), playerDialog(), levelDoneDialog(), timeUpDialog(), gameCompleteDialog(), levelJumpDialog(), settingsDialog(), rulesDialog(), aboutDialog()};
}

// The ink each window's layout gives its texts.
QColor layoutInkOf(const QWidget* window, const QLabel* label)
{
    if (is<GameWindow>(window) && label->objectName() == QLatin1String("levelNumber"))
        return Qt::white; // the level number's upper layer
    const QStringList paper{"PlayerDialog", "LevelDoneDialog", "TimeUpDialog", "GameCompleteDialog", "SettingsDialog"};
    return paper.contains(window->objectName()) ? QColor(0x2B, 0x1D, 0x14) : platform::layoutInk();
}

// The label's text drawn alone on mid grey; the pixel farthest from the grey
// is the ink at full coverage.
QColor renderedInk(QLabel* label)
{
    const qreal dpr = label->devicePixelRatioF();
    QImage img(label->size() * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    const QColor grey(128, 128, 128);
    img.fill(grey);
    label->render(&img, QPoint(), QRegion(), {});
    QColor best = grey;
    int bestDistance = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const int d = qAbs(c.red() - 128) + qAbs(c.green() - 128) + qAbs(c.blue() - 128);
            if (d > bestDistance) {
                bestDistance = d;
                best = c;
            }
        }
    return best;
}

int distance(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

QFont drawnFont(const QLabel* l)
{
    const auto* ours = qobject_cast<const platform::Label*>(l);
    return ours ? ours->fittedFont() : l->font();
}

} // namespace

class LooksTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        forms_ = std::make_unique<Forms>();
        for (QWidget* w : allWindows()) {
            w->ensurePolished();
            for (QWidget* c : w->findChildren<QWidget*>())
                c->ensurePolished();
        }
    }
    void cleanup() { forms_.reset(); }

    void desktopIsTheOneUnderTest()
    {
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        if (mode() == QLatin1String("dark") || mode() == QLatin1String("qt6ct"))
            QVERIFY2(text.lightness() > 200, qPrintable(text.name())); // a dark scheme really is in force
        if (mode() == QLatin1String("dejavu")) {
            // Without our fonts the desktop would give DejaVu for Arial.
            QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Arial")));
            QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
        }
    }

    void everyLabelIsDrawnInItsLayoutsInk()
    {
        for (QWidget* w : allWindows())
            for (QLabel* l : w->findChildren<QLabel*>()) {
                if (l->text().trimmed().isEmpty())
                    continue;
                const QColor want = layoutInkOf(w, l);
                const QColor got = renderedInk(l);
                QVERIFY2(distance(got, want) <= 60,
                         qPrintable(QStringLiteral("%1.%2 drawn %3, layout gives %4")
                                        .arg(w->objectName(), l->objectName(), got.name(), want.name())));
            }
    }

    void checkBoxesAndButtonsKeepDarkTextOnLightFaces()
    {
        for (QWidget* w : allWindows()) {
            for (QCheckBox* c : w->findChildren<QCheckBox*>())
                QVERIFY2(c->palette().color(QPalette::Active, QPalette::WindowText).lightness() < 80, qPrintable(c->objectName()));
            for (QPushButton* b : w->findChildren<QPushButton*>()) {
                QVERIFY2(b->palette().color(QPalette::Active, QPalette::ButtonText).lightness() < 80, qPrintable(b->objectName()));
                QVERIFY2(b->palette().color(QPalette::Active, QPalette::Button).lightness() > 180, qPrintable(b->objectName()));
            }
        }
    }

    void labelsUseTheBundledFace()
    {
        for (QWidget* w : allWindows())
            for (QLabel* l : w->findChildren<QLabel*>())
                QVERIFY2(QFontInfo(l->font()).family() == platform::layoutFace(),
                         qPrintable(w->objectName() + QLatin1Char('.') + l->objectName() + QLatin1String(": ")
                                    + QFontInfo(l->font()).family()));
        QCOMPARE(QFontInfo(platform::windowFont()).family(), platform::layoutFace());
    }

    // No label's text is wider than the label; where a label condenses its
    // letters to fit, only slightly.
    void everyTextFitsItsPlace()
    {
        for (QWidget* w : allWindows()) {
            for (QLabel* l : w->findChildren<QLabel*>()) {
                const QFont f = drawnFont(l);
                const qreal wide = QFontMetricsF(f, l).horizontalAdvance(l->text());
                const QString where = w->objectName() + QLatin1Char('.') + l->objectName();
                QVERIFY2(wide <= l->contentsRect().width(),
                         qPrintable(QStringLiteral("%1: %2 px of text in %3 px").arg(where).arg(wide).arg(l->width())));
                QVERIFY2(f.stretch() == QFont::AnyStretch || f.stretch() >= 95,
                         qPrintable(QStringLiteral("%1 condensed to %2 %").arg(where).arg(f.stretch())));
            }
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                const qreal wide = QFontMetricsF(b->font(), b).horizontalAdvance(b->text());
                // Room for the frame, or for the box before a check-box's text.
                const int room = b->width() - (qobject_cast<QCheckBox*>(b) ? 22 : 8);
                QVERIFY2(wide <= room, qPrintable(QStringLiteral("%1.%2: %3 px of text in %4 px")
                                                      .arg(w->objectName(), b->objectName()).arg(wide).arg(room)));
            }
        }
    }

    // The help panel's longest lines, which the clock rewrites at run time.
    void helpPanelLinesFitWithEveryNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("tokens held, 100 s to go") << QString::fromUtf8("A következő segítséghez még 100 mp kell.");
        QTest::newRow("no tokens, 100 s to go") << QString::fromUtf8("Még 100 másodpercet kell meghagynod");
        QTest::newRow("first line") << QString::fromUtf8("Kattints a nagyítóra a segítségért!");
    }
    void helpPanelLinesFitWithEveryNumber()
    {
        QFETCH(QString, text);
        for (QLabel* l : {gameWindow()->helpLine1, gameWindow()->helpLine2}) {
            l->setText(text);
            const QFont f = drawnFont(l);
            QVERIFY(QFontMetricsF(f, l).horizontalAdvance(text) <= l->contentsRect().width());
            QVERIFY(f.stretch() == QFont::AnyStretch || f.stretch() >= 95);
            // The label stays inside the help panel.
            QVERIFY(gameWindow()->helpPanel->geometry().contains(l->geometry()));
            const QColor ink = renderedInk(l);
            QVERIFY(distance(ink, platform::layoutInk()) <= 60);
        }
    }

    // For looking with one's own eyes: with KOVRA_SHOTS set to a folder and
    // a real X server, shows each window in turn over a level in play and
    // takes a screenshot of the whole screen (ImageMagick's import).
    void screenshotsOfEveryWindow()
    {
        const QString out = qEnvironmentVariable("KOVRA_SHOTS");
        if (out.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("set KOVRA_SHOTS and run on an X server");
        forms_.reset();
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        Forms forms;
        const QString level = qEnvironmentVariable("KOVRA_SHOTS_LEVEL");
        if (level.isEmpty())
            writeTestLevel(dir.path(), 1, spreadPoints(8));
        else
            QVERIFY(QFile::copy(level, dir.file(QStringLiteral("DATA/001.DAT"))));
        addPlayer(dir.path(), QString::fromUtf8("Őrző Ügyes"), 1, 2, 40);
        playerStore()->roster = {};
        playerDialog()->reload();
        playerStore()->selectedPlayer = 1;
        gameWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(gameWindow()));
        auto shoot = [&](QWidget* w, const QString& name, std::function<void()> then = {}) {
            if (!is<GameWindow>(w)) {
                w->show();
                w->raise();
                QVERIFY(QTest::qWaitForWindowExposed(w));
            }
            if (then)
                then();
            QTest::qWait(400);
            QCOMPARE(QProcess::execute(QStringLiteral("import"),
                                       {QStringLiteral("-window"), QStringLiteral("root"), out + QLatin1Char('/') + name + QStringLiteral(".png")}),
                     0);
            if (!is<GameWindow>(w))
                w->hide();
        };
        shoot(gameWindow(), QStringLiteral("game"));
        gameWindow()->helpLine2->setText(QString::fromUtf8("A következő segítséghez még 100 mp kell."));
        shoot(gameWindow(), QStringLiteral("game-100"));
        gameWindow()->hide();
        shoot(playerDialog(), QStringLiteral("players"), [] {
            playerDialog()->playerList->setCurrentRow(0);
            playerDialog()->deleteClicked(); // the deletion question
            playerDialog()->addPlayerClicked(); // and the name entry
        });
        for (auto [w, name] : QList<QPair<QWidget*, const char*>>{
                 {startWindow(), "start"}, {levelDoneDialog(), "level-completed"}, {timeUpDialog(), "time-up"},
                 {gameCompleteDialog(), "game-completed"}, {levelJumpDialog(), "level-jump"}, {settingsDialog(), "settings"}, {rulesDialog(), "rules"},
                 {aboutDialog(), "about"}})
            shoot(w, QString::fromLatin1(name));
        shoot(rulesDialog(), QStringLiteral("rules-5"), [] { rulesDialog()->showPage(5); });
    }

private:
    std::unique_ptr<Forms> forms_;
};

int main(int argc, char** argv)
{
    QTemporaryDir home;
    prepareDesktop(home);
    QApplication app(argc, argv);
    if (mode() == QLatin1String("dark"))
        QApplication::setPalette(darkDesktop());
    LooksTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_looks.moc"
