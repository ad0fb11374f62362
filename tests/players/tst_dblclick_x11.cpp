// Choosing a player by double click, through a real X server: xdotool
// presses and releases the button as a hand would, and the game window that
// opens must follow the pointer at once (shadow ring, resume through the
// picture), without a click first. Runs under tests/support/on-xvfb.sh.
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "players/records.h"
#include "players/playerdialog.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace testsupport;

namespace {
bool xdotool(const QStringList& args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

QStringList moveTo(QPoint global)
{
    return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
}

void writeSettings(const QString& dir)
{
    players::SettingsRecord s;
    s.sound = false;
    s.music = false;
    s.shadow = true;
    QFile f(dir + QStringLiteral("settings.dat"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(players::encodeSettings(s));
}
} // namespace

class DoubleClickTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (run through on-xvfb.sh)");
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) == 0, "xdotool missing");
    }

    void doubleClickedPlayerLeavesPointerTrackingWorking_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("double click") << "double";
        QTest::newRow("click and OK") << "ok"; // the same check on the ordinary way in
    }
    void doubleClickedPlayerLeavesPointerTrackingWorking()
    {
        QFETCH(QString, how);
        GameDir dir;
        MessageLog messages;
        Forms forms;
        writeSettings(dir.path());
        writeTestLevel(dir.path(), 1, spreadPoints(3));
        addPlayer(dir.path(), QStringLiteral("Anna"));
        startWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(startWindow()));
        messages.list.clear(); // no title music in this folder
        // The player window away from where the game window opens: the last
        // release then meets no window of ours, as on a desktop whose window
        // manager has not mapped the game window yet.
        playerDialog()->move(8, 8);

        bool acted = false;
        // Runs inside the player window's modal loop once it is on screen.
        std::function<void()> act = [&] {
            if (!playerDialog()->isVisible() || playerDialog()->playerList->count() == 0) {
                QTimer::singleShot(20, playerDialog(), act);
                return;
            }
            QListWidget* list = playerDialog()->playerList;
            const QPoint entry = list->viewport()->mapToGlobal(list->visualItemRect(list->item(0)).center());
            QStringList keys = moveTo(entry);
            keys << QStringLiteral("sleep") << QStringLiteral("0.3");
            if (how == QLatin1String("double")) {
                // press, release, press (the double click), release, at a
                // hand's pace: the window closes before the last release
                const QString beat = QStringLiteral("0.06");
                keys << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep") << beat
                     << QStringLiteral("mouseup") << QStringLiteral("1") << QStringLiteral("sleep") << beat
                     << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep") << QStringLiteral("0.2")
                     << QStringLiteral("mouseup") << QStringLiteral("1");
            } else {
                keys << QStringLiteral("click") << QStringLiteral("1") << QStringLiteral("sleep") << QStringLiteral("0.3");
                keys << moveTo(playerDialog()->okButton->mapToGlobal(QPoint(20, 20))) << QStringLiteral("sleep") << QStringLiteral("0.2")
                     << QStringLiteral("click") << QStringLiteral("1");
            }
            acted = xdotool(keys);
        };
        QTimer::singleShot(0, startWindow(), [&] {
            QTimer::singleShot(50, playerDialog(), act);
            startWindow()->startGameClicked();
        });
        QTRY_VERIFY_WITH_TIMEOUT(gameWindow()->isVisible(), 10000);
        QVERIFY(acted);
        QCOMPARE(playerStore()->selectedPlayer, quint8(1));
        QVERIFY(QTest::qWaitForWindowExposed(gameWindow()));
        QVERIFY(gameWindow()->regionsBuilt());

        // The pointer goes over the left picture, with no button pressed.
        const QPoint inPicture(120, 200);
        QVERIFY(xdotool(moveTo(gameWindow()->leftPicture->mapToGlobal(inPicture - QPoint(8, 8)))));
        QVERIFY(xdotool(moveTo(gameWindow()->leftPicture->mapToGlobal(inPicture))));
        // The shadow ring mirrors it on the right picture at once.
        QTRY_VERIFY_WITH_TIMEOUT(gameWindow()->shadowCursor->isVisible(), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(gameWindow()->shadowCursor->pos(), inPicture + QPoint(552, 49), 3000);
        QVERIFY(gameWindow()->gameLive);
        QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
        gameWindow()->hide();
    }
};

QTEST_MAIN(DoubleClickTest)
#include "tst_dblclick_x11.moc"
