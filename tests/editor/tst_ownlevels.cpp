// The level maker and the own levels: saving never writes over a shipped
// level (portable or installed), "Saját pályák lejátszása" starts the game
// with --own-levels, and levels an earlier version saved into DATA/ are
// offered and moved into the own levels without losing one.
#include "editor/editorwindow.h"
#include "editor/oldsaves.h"
#include "editor/trialplay.h"
#include "photolike.h"
#include "platform/paths.h"
#include "support/testsupport.h"
#include "tools/levelgen/pack.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace editor;
using testsupport::GameDir;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A level of the player's, told apart by its points.
QByteArray playerLevel(const QString& scratch, int seed)
{
    QVector<QPoint> pts;
    for (int i = 0; i < 3; ++i)
        pts << QPoint(40 + 30 * i + 5 * seed, 60 + 50 * i);
    return bytesOf(testsupport::writeTestLevel(scratch + QStringLiteral("/s%1/").arg(seed), 1, pts));
}

// Sets an environment variable for one scope and puts the old value back.
struct EnvVar {
    const char* name;
    QByteArray old;
    EnvVar(const char* n, const QByteArray& v) : name(n), old(qgetenv(n)) { qputenv(n, v); }
    ~EnvVar() { qputenv(name, old); }
};

} // namespace

class OwnLevelsMakerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void installedSavingGoesToTheOwnFolderOnly();
    void playingTheOwnLevelsStartsTheGameWithTheOption();
    void oldPortableSavesAreMovedAndTheShippedLevelsPutBack();
    void oldInstalledSavesAreMovedAndCopiesOfShippedOnesLeft();

private:
    std::unique_ptr<testsupport::MessageLog> messages_;
    std::unique_ptr<testsupport::ModalLog> modals_;
    QTemporaryDir scratch_;
    QString photo(const QString& dir)
    {
        const QString path = dir + QStringLiteral("photo.jpg");
        editortest::writeBytes(path, editortest::jpegBytes(editortest::photoLike(1000, 1400, 3)));
        return path;
    }
};

void OwnLevelsMakerTest::init()
{
    messages_ = std::make_unique<testsupport::MessageLog>();
    modals_ = std::make_unique<testsupport::ModalLog>();
}

void OwnLevelsMakerTest::cleanup()
{
    setProgramStarter(nullptr);
    modals_.reset();
    messages_.reset();
}

void OwnLevelsMakerTest::installedSavingGoesToTheOwnFolderOnly()
{
    // <root>/usr/bin the programs, <root>/usr/share/kovra2 the shipped pack
    // (read-only), <root>/data the player's XDG data folder.
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/usr/bin/"), share = root.path() + QStringLiteral("/usr/share/kovra2/");
    QDir().mkpath(bin);
    const QString shipped = testsupport::writeTestLevel(share, 1, testsupport::spreadPoints(4));
    const QByteArray shippedBytes = bytesOf(shipped);
    EnvVar xdg("XDG_DATA_HOME", (root.path() + QStringLiteral("/data")).toLocal8Bit());
    platform::setExeDir(bin);
    {
        EditorWindow w;
        QVERIFY(w.openPhoto(photo(root.path() + QLatin1Char('/'))));
        w.countBox->setValue(3);
        w.makeButton->click();
        QVERIFY(w.saveAsLevel());
    }
    platform::setExeDir(QString());
    const QString own = root.path() + QStringLiteral("/data/kovra2/SAJAT/DATA/001.DAT");
    QCOMPARE(QFileInfo(own).size(), qint64(1025916));
    QVERIFY(!QFileInfo::exists(root.path() + QStringLiteral("/data/kovra2/DATA")));
    QVERIFY(bytesOf(shipped) == shippedBytes);
    QCOMPARE(QDir(share + QStringLiteral("DATA")).entryList(QDir::Files), QStringList{"001.DAT"});
    // The player's folder is the player's alone.
    QCOMPARE(QFileInfo(root.path() + QStringLiteral("/data/kovra2")).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
}

void OwnLevelsMakerTest::playingTheOwnLevelsStartsTheGameWithTheOption()
{
    GameDir dir;
    QStringList started;
    setProgramStarter([&](const QString& program, const QStringList& args) {
        started << program + QLatin1Char(' ') + args.join(QLatin1Char(' '));
        return true;
    });
    EditorWindow w;
    QVERIFY(w.playOwnButton->isEnabled());
    // None saved yet: said so, nothing started.
    QVERIFY(!w.playOwnLevels());
    QVERIFY(started.isEmpty());
    QVERIFY(w.status->text().contains(QString::fromUtf8("Még nincs saját pályád")));
    testsupport::writeTestLevel(dir.file(QStringLiteral("SAJAT/")), 1, testsupport::spreadPoints(3));
    // No game beside the maker: reported.
    QVERIFY(!w.playOwnLevels());
    QVERIFY(messages_->list.last().text.contains(QString::fromUtf8("nem található")));
    put(dir.file(QStringLiteral("kovra2")), "#!/bin/sh\n");
    QFile(dir.file(QStringLiteral("kovra2"))).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // From the button and from the menu.
    w.playOwnButton->click();
    QAction* menuItem = nullptr;
    for (QAction* a : w.menuBar()->actions().first()->menu()->actions())
        if (a->text().remove(QLatin1Char('&')) == QString::fromUtf8("Saját pályák lejátszása"))
            menuItem = a;
    QVERIFY(menuItem);
    menuItem->trigger();
    QCOMPARE(started, QStringList(2, dir.file(QStringLiteral("kovra2 --own-levels"))));
    // A game that cannot be started is reported.
    setProgramStarter([](const QString&, const QStringList&) { return false; });
    QVERIFY(!w.playOwnLevels());
    QVERIFY(messages_->list.last().text.contains(QString::fromUtf8("nem indítható")));
}

void OwnLevelsMakerTest::oldPortableSavesAreMovedAndTheShippedLevelsPutBack()
{
    GameDir dir;
    const QString data = dir.file(QStringLiteral("DATA/"));
    const QByteArray shipped1 = levelgen::generateLevel(1).record, shipped2 = levelgen::generateLevel(2).record;
    const QByteArray a = playerLevel(scratch_.path(), 1), b = playerLevel(scratch_.path(), 2), c = playerLevel(scratch_.path(), 3),
                     d = playerLevel(scratch_.path(), 4);
    // As the earlier maker left it: level 1 replaced once (the shipped one
    // kept as .bak), level 2 replaced twice (its .bak the first save), level
    // 3 copied in by hand, level 4 shipped.
    put(data + QStringLiteral("001.DAT"), a);
    put(data + QStringLiteral("001.DAT.bak"), shipped1);
    put(data + QStringLiteral("002.DAT"), c);
    put(data + QStringLiteral("002.DAT.bak"), b);
    put(data + QStringLiteral("003.DAT"), d);
    put(data + QStringLiteral("004.DAT"), levelgen::generateLevel(4).record);
    // One own level already there: the moved ones follow it.
    testsupport::writeTestLevel(dir.file(QStringLiteral("SAJAT/")), 1, testsupport::spreadPoints(2));

    const OldSaves found = findOldSaves();
    QCOMPARE(found.names(), (QStringList{"DATA/001.DAT", "DATA/002.DAT.bak", "DATA/002.DAT"}));
    // Declined: nothing moves.
    EditorWindow w;
    QVERIFY(!w.offerOldSaves());
    QCOMPARE(modals_->shown, QStringList{"oldSavesQuestion"});
    QVERIFY(bytesOf(data + QStringLiteral("001.DAT")) == a);
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("SAJAT/DATA/002.DAT"))));
    // Agreed: each one an own level, in order; the shipped levels back.
    modals_->answer = [](QWidget*) { return int(platform::mrOk); };
    QVERIFY(w.offerOldSaves());
    const QString own = dir.file(QStringLiteral("SAJAT/DATA/"));
    QVERIFY(bytesOf(own + QStringLiteral("002.DAT")) == a);
    QVERIFY(bytesOf(own + QStringLiteral("003.DAT")) == b);
    QVERIFY(bytesOf(own + QStringLiteral("004.DAT")) == c);
    QVERIFY(!QFileInfo::exists(own + QStringLiteral("005.DAT")));
    QVERIFY(bytesOf(data + QStringLiteral("001.DAT")) == shipped1);
    QVERIFY(bytesOf(data + QStringLiteral("002.DAT")) == shipped2);
    QVERIFY(bytesOf(data + QStringLiteral("003.DAT")) == d); // the hand copy stays, and is played
    QCOMPARE(QDir(data).entryList(QDir::Files), (QStringList{"001.DAT", "002.DAT", "003.DAT", "004.DAT"}));
    QCOMPARE(w.levelBox->maximum(), 5);
    QVERIFY(findOldSaves().empty());
    QVERIFY2(messages_->list.isEmpty(), qPrintable(messages_->texts().join(QLatin1Char('\n'))));
}

void OwnLevelsMakerTest::oldInstalledSavesAreMovedAndCopiesOfShippedOnesLeft()
{
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/usr/bin/"), share = root.path() + QStringLiteral("/usr/share/kovra2/");
    QDir().mkpath(bin);
    const QByteArray shipped1 = bytesOf(testsupport::writeTestLevel(share, 1, testsupport::spreadPoints(4)));
    const QByteArray shipped2 = bytesOf(testsupport::writeTestLevel(share, 2, testsupport::spreadPoints(5)));
    EnvVar xdg("XDG_DATA_HOME", (root.path() + QStringLiteral("/data")).toLocal8Bit());
    const QString data = root.path() + QStringLiteral("/data/kovra2/DATA/");
    const QByteArray a = playerLevel(scratch_.path(), 1), b = playerLevel(scratch_.path(), 2);
    put(data + QStringLiteral("001.DAT"), b);
    put(data + QStringLiteral("001.DAT.bak"), a); // saved over once
    put(data + QStringLiteral("002.DAT"), shipped2); // a copy of the shipped level: harmless, left
    platform::setExeDir(bin);
    const OldSaves found = findOldSaves();
    QCOMPARE(found.names(), (QStringList{"DATA/001.DAT.bak", "DATA/001.DAT"}));
    QVERIFY(found.restore.empty());
    QStringList moved;
    QString why;
    QVERIFY2(moveOldSaves(found, &moved, &why), qPrintable(why));
    platform::setExeDir(QString());
    const QString own = root.path() + QStringLiteral("/data/kovra2/SAJAT/DATA/");
    QCOMPARE(moved, (QStringList{own + "001.DAT", own + "002.DAT"}));
    QVERIFY(bytesOf(own + QStringLiteral("001.DAT")) == a);
    QVERIFY(bytesOf(own + QStringLiteral("002.DAT")) == b);
    QCOMPARE(QDir(data).entryList(QDir::Files), QStringList{"002.DAT"});
    QVERIFY(bytesOf(share + QStringLiteral("DATA/001.DAT")) == shipped1);
}

QTEST_MAIN(OwnLevelsMakerTest)
#include "tst_ownlevels.moc"
