// The settings window: loading, saving, the keys that save, and where the
// file is read from.
#include "players/settingsdialog.h"

#include "players/windowtest.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::Forms;
using testsupport::GameDir;
using testsupport::MessageLog;

namespace {
using windowtest::writeFile;

QByteArray settingsFile(const GameDir& dir) { return windowtest::fileBytes(dir.file(QStringLiteral("settings.dat"))); }

QByteArray boxes()
{
    QByteArray b;
    for (QCheckBox* c : {settingsDialog()->soundBox, settingsDialog()->preciseBox, settingsDialog()->musicBox, settingsDialog()->shadowBox})
        b += char(c->isChecked() ? 1 : 0);
    return b;
}
} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void firstShowCreatesAllOn();
    void showLoadsStoredBytes_data();
    void showLoadsStoredBytes();
    void settingsAreReadBesideTheExecutable();
    void keysSaveAndClose_data();
    void keysSaveAndClose();
    void closeBoxDoesNotSave();
    void shortFileIsReportedAndBoxesKept();
    void failedSaveKeepsWindowOpen();
    void explanationsFitTheirLabels();
};

void SettingsDialogTest::firstShowCreatesAllOn()
{
    GameDir dir;
    Forms forms;
    settingsDialog()->show();
    QCOMPARE(boxes(), QByteArray("\1\1\1\1", 4));
    QCOMPARE(settingsFile(dir), QByteArray("\1\1\1\1", 4));
    settingsDialog()->hide();
}

void SettingsDialogTest::showLoadsStoredBytes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("ticked"); // sound, precise, music, shadow
    QTest::addColumn<QByteArray>("savedBack");
    QTest::newRow("0,1,0,1") << QByteArray("\0\1\0\1", 4) << QByteArray("\0\1\0\1", 4) << QByteArray("\0\1\0\1", 4);
    QTest::newRow("2 counts as on") << QByteArray("\2\2\0\2", 4) << QByteArray("\1\1\0\1", 4)
                                    << QByteArray("\1\1\0\1", 4);
    QTest::newRow("longer file, first four") << QByteArray("\0\0\1\0\1\1\1\1", 8) << QByteArray("\0\0\1\0", 4)
                                             << QByteArray("\0\0\1\0", 4);
}

void SettingsDialogTest::showLoadsStoredBytes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, ticked);
    QFETCH(QByteArray, savedBack);
    GameDir dir;
    Forms forms;
    writeFile(dir.file(QStringLiteral("settings.dat")), stored);
    settingsDialog()->show();
    QCOMPARE(boxes(), ticked);
    QTest::mouseClick(settingsDialog()->saveButton, Qt::LeftButton);
    QCOMPARE(settingsFile(dir), savedBack);
}

void SettingsDialogTest::settingsAreReadBesideTheExecutable()
{
    GameDir dir;
    Forms forms;
    writeFile(dir.file(QStringLiteral("settings.dat")), QByteArray("\0\1\0\1", 4));
    // A different settings file in the current directory must not be read.
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath(QStringLiteral("settings.dat")), QByteArray("\1\0\1\0", 4));
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    settingsDialog()->loadSettings();
    QDir::setCurrent(before);
    QCOMPARE(boxes(), QByteArray("\0\1\0\1", 4));
}

void SettingsDialogTest::keysSaveAndClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void SettingsDialogTest::keysSaveAndClose()
{
    QFETCH(int, key);
    GameDir dir;
    Forms forms;
    settingsDialog()->show();
    QTest::mouseClick(settingsDialog()->musicBox, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!settingsDialog()->musicBox->isChecked());
    QTest::keyClick(settingsDialog()->musicBox, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QVERIFY(!settingsDialog()->isVisible());
    QCOMPARE(settingsDialog()->result(), int(QDialog::Accepted));
    QCOMPARE(settingsFile(dir), QByteArray("\1\1\0\1", 4));
}

void SettingsDialogTest::closeBoxDoesNotSave()
{
    GameDir dir;
    Forms forms;
    settingsDialog()->show();
    settingsDialog()->shadowBox->setChecked(false);
    settingsDialog()->close();
    QVERIFY(!settingsDialog()->isVisible());
    QCOMPARE(settingsDialog()->result(), int(QDialog::Rejected));
    QCOMPARE(settingsFile(dir), QByteArray("\1\1\1\1", 4));
    // In force until the next load, which puts the saved state back.
    QVERIFY(!settingsDialog()->shadowBox->isChecked());
    settingsDialog()->show();
    QVERIFY(settingsDialog()->shadowBox->isChecked());
    settingsDialog()->hide();
}

void SettingsDialogTest::shortFileIsReportedAndBoxesKept()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    writeFile(dir.file(QStringLiteral("settings.dat")), QByteArray("\0\0", 2));
    settingsDialog()->soundBox->setChecked(false);
    settingsDialog()->show();
    QVERIFY(settingsDialog()->isVisible());
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Read beyond end of file.")});
    QCOMPARE(messages.list.first().title, QStringLiteral("Kovra 2"));
    QCOMPARE(boxes(), QByteArray("\0\1\1\1", 4));
    QCOMPARE(settingsFile(dir), QByteArray("\0\0", 2));
    settingsDialog()->hide();
}

void SettingsDialogTest::failedSaveKeepsWindowOpen()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    writeFile(dir.file(QStringLiteral("settings.dat")), QByteArray("\1\1\1\1", 4));
    settingsDialog()->show();
    // The settings turned into a link (to a copy elsewhere) make the save
    // fail: the game never writes through a link.
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("settings.dat"));
    QVERIFY(QFile::rename(dir.file(QStringLiteral("settings.dat")), copy));
    QVERIFY(QFile::link(copy, dir.file(QStringLiteral("settings.dat"))));
    settingsDialog()->soundBox->setChecked(false);
    QTest::mouseClick(settingsDialog()->saveButton, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("File access denied.")});
    QVERIFY(settingsDialog()->isVisible());
    QCOMPARE(settingsFile(dir), QByteArray("\1\1\1\1", 4));
    settingsDialog()->hide();
}

void SettingsDialogTest::explanationsFitTheirLabels()
{
    GameDir dir;
    Forms forms;
    for (QLabel* l : settingsDialog()->findChildren<QLabel*>()) {
        const int needed = QFontMetrics(l->font()).horizontalAdvance(l->text());
        QVERIFY2(needed <= l->width() + 2, qPrintable(l->objectName() + QStringLiteral(" is clipped")));
    }
    for (QCheckBox* c : settingsDialog()->findChildren<QCheckBox*>())
        QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->objectName() + QStringLiteral(" is clipped")));
}

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"
