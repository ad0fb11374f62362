// Enter presses the focused button in every window, Space-like; Esc keeps
// each window's own meaning.
#include "support/appwindows.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace testsupport;

namespace {

QWidget* window(const QString& name)
{
    for (QWidget* w : QList<QWidget*>{gameWindow(), startWindow(), playerDialog(), levelDoneDialog(), timeUpDialog(), gameCompleteDialog(), levelJumpDialog(), settingsDialog(), rulesDialog(), aboutDialog()})
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// Shows `w` the way the game does, ready for keys: visible and active.
void present(QWidget* w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (is<PlayerDialog>(w)) {
        // An entry selected (OK enabled) and the name entry open.
        playerDialog()->playerList->setCurrentRow(0);
        QTest::mouseClick(playerDialog()->addButton, Qt::LeftButton);
    }
    if (is<RulesDialog>(w))
        rulesDialog()->showPage(3); // both page buttons enabled
}

// One window of the program shown over a folder with one player.
struct Shown {
    explicit Shown(const QString& form)
    {
        addPlayer(dir.path(), QStringLiteral("Anna"));
        w = window(form);
        present(w);
    }
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    Forms forms;
    QWidget* w = nullptr;
};

// Keys go where the player's keyboard sends them: to the focused control.
void press(Qt::Key key) { QTest::keyClick(static_cast<QWidget*>(nullptr), key); }

} // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("button");
        const QList<QPair<const char*, QStringList>> windows{
            {"StartWindow", {"startButton", "settingsButton", "rulesButton", "aboutButton", "quitButton"}}, // start
            {"PlayerDialog", {"okButton", "deleteButton", "confirmAddButton", "cancelAddButton"}},            // players
            {"LevelDoneDialog", {"nextButton", "saveAndQuitButton"}},                                   // level completed
            {"TimeUpDialog", {"retryButton", "saveAndQuitButton"}},                                   // time is up
            {"GameCompleteDialog", {"backButton"}},                                              // game completed
            {"LevelJumpDialog", {"okButton", "cancelButton"}},                                   // level jump
            {"SettingsDialog", {"saveButton"}},                                              // settings
            {"RulesDialog", {"previousButton", "nextButton", "backButton"}},                        // rules
            {"AboutDialog", {"backButton"}},                                             // about
        };
        for (const auto& [form, buttons] : windows)
            for (const QString& b : buttons)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(form), b))) << QString::fromLatin1(form) << b;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, form);
        QFETCH(QString, button);
        Shown shown(form);
        QWidget* w = shown.w;
        auto* target = w->findChild<QPushButton*>(button);
        QVERIFY(target && target->isEnabled() && target->isVisible());
        QList<QPair<QPushButton*, QSignalSpy*>> spies;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            spies << qMakePair(b, new QSignalSpy(b, &QPushButton::clicked));
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        press(Qt::Key_Return);
        for (const auto& [b, spy] : spies) {
            QCOMPARE(spy->count(), b == target ? 1 : 0);
            delete spy;
        }
    }

    // The keypad's Enter is Enter too.
    void keypadEnterPressesTheFocusedButton()
    {
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        Forms forms;
        present(startWindow());
        QSignalSpy rules(startWindow()->rulesButton, &QPushButton::clicked);
        startWindow()->rulesButton->setFocus();
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(rules.count(), 1);
        QCOMPARE(modals.shown, QStringList{QStringLiteral("RulesDialog")});
    }

    void escapeKeepsEachWindowsMeaning_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("closes");
        QTest::newRow("start window: nothing") << "StartWindow" << false;
        QTest::newRow("players: nothing") << "PlayerDialog" << false;
        QTest::newRow("level completed: nothing") << "LevelDoneDialog" << false;
        QTest::newRow("time is up: nothing") << "TimeUpDialog" << false;
        QTest::newRow("game completed: nothing") << "GameCompleteDialog" << false;
        QTest::newRow("level jump: cancels") << "LevelJumpDialog" << true;
        QTest::newRow("settings: saves and closes") << "SettingsDialog" << true;
        QTest::newRow("rules: closes") << "RulesDialog" << true;
        QTest::newRow("about: back to the main menu") << "AboutDialog" << true;
    }
    void escapeKeepsEachWindowsMeaning()
    {
        QFETCH(QString, form);
        QFETCH(bool, closes);
        Shown shown(form);
        QWidget* w = shown.w;
        if (is<SettingsDialog>(w)) {
            QFile::remove(shown.dir.file(QStringLiteral("settings.dat")));
            settingsDialog()->musicBox->setChecked(false);
        }
        press(Qt::Key_Escape);
        QCOMPARE(w->isVisible(), !closes);
        if (is<SettingsDialog>(w)) { // Esc presses the save button
            QFile f(shown.dir.file(QStringLiteral("settings.dat")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().at(2), char(0));
        }
        if (auto* d = qobject_cast<QDialog*>(w); d && closes && !is<SettingsDialog>(w))
            QCOMPARE(d->result(), int(QDialog::Rejected));
    }

    // The game window has no buttons: Enter and Esc change nothing in play.
    void gameWindowIgnoresEnterAndEscape()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.sound = false});
        gameWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(gameWindow()));
        const bool clock = gameWindow()->round.clockRunning();
        const QString left = gameWindow()->remainingLabel->text();
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
            QTest::keyClick(gameWindow(), k);
        QVERIFY(gameWindow()->isVisible());
        QCOMPARE(gameWindow()->round.clockRunning(), clock);
        QCOMPARE(gameWindow()->remainingLabel->text(), left);
        QVERIFY(!gameWindow()->round.paused());
    }
};

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
