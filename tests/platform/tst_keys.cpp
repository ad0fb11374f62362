// Enter presses the focused button in every window, Space-like; Esc keeps
// each window's own meaning.
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"
#include "game/uMain.h"
#include "menus/uAbout.h"
#include "menus/uCheat.h"
#include "menus/uRules.h"
#include "menus/uStarter.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
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
    for (QWidget* w : QList<QWidget*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10})
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
    if (w == Form3) {
        // An entry selected (OK enabled) and the name entry open.
        Form3->ListBox1->setCurrentRow(0);
        QTest::mouseClick(Form3->Button1, Qt::LeftButton);
    }
    if (w == Form9)
        Form9->Megjelenit(3); // both page buttons enabled
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
            {"Form2", {"Button2", "Button6", "Button5", "Button1", "Button4"}}, // start
            {"Form3", {"Button2", "Button5", "Button3", "Button4"}},            // players
            {"Form4", {"Button1", "Button2"}},                                   // level completed
            {"Form5", {"Button1", "Button2"}},                                   // time is up
            {"Form6", {"Button1"}},                                              // game completed
            {"Form7", {"Button1", "Button2"}},                                   // level jump
            {"Form8", {"Button1"}},                                              // settings
            {"Form9", {"Button1", "Button2", "Button3"}},                        // rules
            {"Form10", {"Button1"}},                                             // about
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
        present(Form2);
        QSignalSpy rules(Form2->Button5, &QPushButton::clicked);
        Form2->Button5->setFocus();
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(rules.count(), 1);
        QCOMPARE(modals.shown, QStringList{QStringLiteral("Form9")});
    }

    void escapeKeepsEachWindowsMeaning_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("closes");
        QTest::newRow("start window: nothing") << "Form2" << false;
        QTest::newRow("players: nothing") << "Form3" << false;
        QTest::newRow("level completed: nothing") << "Form4" << false;
        QTest::newRow("time is up: nothing") << "Form5" << false;
        QTest::newRow("game completed: nothing") << "Form6" << false;
        QTest::newRow("level jump: cancels") << "Form7" << true;
        QTest::newRow("settings: saves and closes") << "Form8" << true;
        QTest::newRow("rules: closes") << "Form9" << true;
        QTest::newRow("about: back to the main menu") << "Form10" << true;
    }
    void escapeKeepsEachWindowsMeaning()
    {
        QFETCH(QString, form);
        QFETCH(bool, closes);
        Shown shown(form);
        QWidget* w = shown.w;
        if (w == Form8) {
            QFile::remove(shown.dir.file(QStringLiteral("settings.dat")));
            Form8->chkMusic->setChecked(false);
        }
        press(Qt::Key_Escape);
        QCOMPARE(w->isVisible(), !closes);
        if (w == Form8) { // Esc presses the save button
            QFile f(shown.dir.file(QStringLiteral("settings.dat")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().at(2), char(0));
        }
        if (auto* d = qobject_cast<QDialog*>(w); d && closes && w != Form8)
            QCOMPARE(d->result(), int(QDialog::Rejected));
    }

    // The game window has no buttons: Enter and Esc change nothing in play.
    void gameWindowIgnoresEnterAndEscape()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.sound = false});
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        const bool clock = Form1->Timer1->enabled();
        const QString left = Form1->lblkulonbseg->text();
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
            QTest::keyClick(Form1, k);
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->Timer1->enabled(), clock);
        QCOMPARE(Form1->lblkulonbseg->text(), left);
        QVERIFY(!Form1->rs.paused);
    }
};

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
