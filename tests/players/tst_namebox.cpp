// The name box as a player meets it: Qt's own menus in Hungarian, and a
// paste that keeps what a stored name can hold.
#include "menus/leveljumpdialog.h"
#include "players/cp1250validator.h"
#include "players/records.h"
#include "players/playerdialog.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolTip>
#include <QtTest>

using namespace testsupport;

namespace {
QStringList actionTexts(QMenu* menu)
{
    QStringList t;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            t << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    return t;
}
} // namespace

class NameBoxTest : public QObject {
    Q_OBJECT
private slots:
    void contextMenusAreHungarian_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("name box") << "nameEdit";
        QTest::newRow("level field") << "levelBox";
    }
    void contextMenusAreHungarian()
    {
        QFETCH(QString, box);
        GameDir dir;
        Forms forms;
        QLineEdit* edit = box == QLatin1String("nameEdit") ? playerDialog()->nameEdit : levelJumpDialog()->levelBox->findChild<QLineEdit*>();
        QVERIFY(edit);
        std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        const QStringList texts = actionTexts(menu.get());
        QVERIFY2(!texts.isEmpty(), "no menu");
        for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
            QVERIFY2(!texts.contains(QLatin1String(english)), qPrintable(texts.join(QLatin1String(", "))));
        for (const char* hungarian : {"Visszavonás", "Kivágás", "Másolás", "Beillesztés"})
            QVERIFY2(texts.contains(QString::fromUtf8(hungarian)), qPrintable(texts.join(QLatin1String(", "))));
    }

    void pasteKeepsWhatTheCodePageHolds_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("dropped");
        QTest::newRow("Hungarian letters only") << QString::fromUtf8("Őrző Ügyes") << QString::fromUtf8("Őrző Ügyes") << QString();
        QTest::newRow("one Greek letter") << QString::fromUtf8("Anna Ω") << QStringLiteral("Anna ") << QString::fromUtf8("Ω");
        QTest::newRow("emoji between letters") << QString::fromUtf8("Bé😀la") << QString::fromUtf8("Béla") << QString::fromUtf8("😀");
        QTest::newRow("repeats named once") << QString::fromUtf8("日x日y") << QStringLiteral("xy") << QString::fromUtf8("日");
        QTest::newRow("several") << QString::fromUtf8("ЖAnnaΩ") << QStringLiteral("Anna") << QString::fromUtf8("ЖΩ");
        QTest::newRow("nothing fits") << QString::fromUtf8("日本") << QString() << QString::fromUtf8("日本");
    }
    void pasteKeepsWhatTheCodePageHolds()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(QString, dropped);
        GameDir dir;
        Forms forms;
        playerDialog()->show();
        QTest::mouseClick(playerDialog()->addButton, Qt::LeftButton);
        QToolTip::hideText();
        QGuiApplication::clipboard()->setText(pasted);
        playerDialog()->nameEdit->setFocus();
        QTest::keyClick(playerDialog()->nameEdit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(playerDialog()->nameEdit->text(), kept);
        if (dropped.isEmpty()) {
            QVERIFY(QToolTip::text().isEmpty());
        } else {
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), PlayerDialog::droppedCharsNote(dropped));
        }
        // What was kept is stored as it stands.
        if (!kept.isEmpty()) {
            QTest::mouseClick(playerDialog()->confirmAddButton, Qt::LeftButton);
            QCOMPARE(playerStore()->roster.playerCount, quint8(1));
            QCOMPARE(playerStore()->roster.slot(1).displayName(), kept);
        }
        playerDialog()->hide();
    }

    void noteNamesEachDroppedCharacter()
    {
        const QString note = PlayerDialog::droppedCharsNote(QString::fromUtf8("Ж😀"));
        QVERIFY(note.endsWith(QString::fromUtf8("Ж 😀")));
        QVERIFY(note.contains(QString::fromUtf8("kimaradt")));
    }

    void cursorStaysAfterTheKeptText()
    {
        int pos = 5;
        QString dropped;
        QCOMPARE(players::keepCp1250(QString::fromUtf8("A😀Ωbc"), &dropped, &pos), QStringLiteral("Abc"));
        QCOMPARE(pos, 2); // still between "b" and "c"
        QCOMPARE(dropped, QString::fromUtf8("😀Ω"));
    }
};

QTEST_MAIN(NameBoxTest)
#include "tst_namebox.moc"
