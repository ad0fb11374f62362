// The level maker's window, driven as a player would: open a photo, make and
// change differences, save as an own level (replacing with a .bak kept,
// never a shipped level), and play it in the game's own window without
// touching a player.
#include "editor/cropview.h"
#include "editor/change.h"
#include "editor/editorwindow.h"
#include "editor/photo.h"
#include "editor/preview.h"
#include "editor/things.h"
#include "game/levelrecord.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "photolike.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/appwindows.h"
#include "editor/trialplay.h"
#include "support/testsupport.h"
#include "tools/levelgen/validator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace editor;

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void photoOpensFramedAndMakesDifferences();
    void badPhotosAreRefusedWithAMessage_data();
    void badPhotosAreRefusedWithAMessage();
    void smallPhotoIsUpscaledOnlyWhenThePlayerAgrees();
    void handMadeRerolledAndRemovedDifferences();
    void paintedMaskMakesADifferenceInsideItsSquare_data();
    void paintedMaskMakesADifferenceInsideItsSquare();
    void savingAsALevelAsksBeforeReplacingAndKeepsABackup();
    void pairWithAnOversizedChangeCannotBeSaved();
    void trialPlayUsesTheGameWindowAndNoPlayerRecord();
    void unsavedDifferencesAreAskedAbout();
    void aPlainPhotoOffersTheNumberItHolds();
    void shortcutsRingsAndAScaledScreen();

private:
    std::unique_ptr<testsupport::GameDir> dir_;
    std::unique_ptr<testsupport::MessageLog> messages_;
    std::unique_ptr<testsupport::ModalLog> modals_;
    QString photo(int w, int h, std::uint32_t seed)
    {
        const QString path = dir_->file(QStringLiteral("photo%1.jpg").arg(seed));
        editortest::writeBytes(path, editortest::jpegBytes(editortest::photoLike(w, h, seed)));
        return path;
    }
};

void EditorWindowTest::init()
{
    dir_ = std::make_unique<testsupport::GameDir>();
    messages_ = std::make_unique<testsupport::MessageLog>();
    modals_ = std::make_unique<testsupport::ModalLog>();
}

void EditorWindowTest::cleanup()
{
    modals_.reset();
    messages_.reset();
    dir_.reset();
}

void EditorWindowTest::photoOpensFramedAndMakesDifferences()
{
    EditorWindow w;
    w.show();
    QCOMPARE(w.windowTitle().left(25), QString::fromUtf8("Kovra 2 – pályaszerkesztő"));
    QVERIFY(!w.makeButton->isEnabled());
    QVERIFY(w.openPhoto(photo(1600, 1200, 1)));
    QCOMPARE(w.cropView->frame(), defaultFrame(QSize(1600, 1200)));
    QCOMPARE(w.draft().left.cols, 354);
    // The wheel zooms the frame, keeping its shape.
    const QRect before = w.cropView->frame();
    w.cropView->zoom(2, QPointF(800, 600));
    QVERIFY(w.cropView->frame().width() < before.width());
    QVERIFY(std::abs(w.cropView->frame().width() * 482.0 / w.cropView->frame().height() - 354) < 3);
    w.countBox->setValue(1); // zoomed in, the made-up photo's pebbles are too large for a click square
    w.makeButton->click();
    QCOMPARE(w.list->count(), 1);
    QVERIFY(w.draft().marker.isValid());
    QVERIFY(w.markerButton->text().contains(w.draft().marker.name()));
    QVERIFY(w.saveButton->isEnabled() && w.trialButton->isEnabled());
}

void EditorWindowTest::badPhotosAreRefusedWithAMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    QTest::newRow("no picture") << QByteArray("hello") << QString::fromUtf8("nem olvasható kép");
    const QByteArray jpeg = editortest::jpegBytes(editortest::photoLike(800, 1000, 2));
    QTest::newRow("truncated JPEG") << jpeg.left(jpeg.size() / 2) << QString::fromUtf8("csonka JPEG");
}

void EditorWindowTest::badPhotosAreRefusedWithAMessage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    EditorWindow w;
    const QString path = dir_->file("bad.jpg");
    editortest::writeBytes(path, bytes);
    QVERIFY(!w.openPhoto(path));
    QCOMPARE(messages_->list.size(), 1);
    QVERIFY(messages_->list[0].text.contains(says));
    QVERIFY(w.cropView->photo().isNull());
}

void EditorWindowTest::smallPhotoIsUpscaledOnlyWhenThePlayerAgrees()
{
    EditorWindow w;
    const QString small = photo(200, 300, 3);
    QVERIFY(!w.openPhoto(small)); // the question is answered "Mégse"
    QCOMPARE(modals_->shown, QStringList{"upscaleQuestion"});
    modals_->answer = [](QWidget*) { return int(platform::mrOk); };
    QVERIFY(w.openPhoto(small));
    QCOMPARE(w.draft().left.rows, 482);
}

void EditorWindowTest::handMadeRerolledAndRemovedDifferences()
{
    EditorWindow w;
    QVERIFY(w.openPhoto(editortest::debianPhoto("RainDrops")));
    // Three of the photo's five or so natural places: room is left for a
    // hand-made one and a re-roll.
    w.countBox->setValue(3);
    w.makeButton->click();
    QCOMPARE(w.list->count(), 3);
    // A hand-made difference: a click on a thing of the photo, clear of the
    // others, takes it away (some things leave too faint a change: the next is tried).
    w.kindBox->setCurrentIndex(w.kindBox->findData(QStringLiteral("remove")));
    const Survey survey = surveyPhoto(w.draft().left);
    QPoint spot;
    for (const Thing& t : survey.things) {
        bool clear = true;
        for (const Difference& d : w.draft().diffs)
            clear = clear && std::max(std::abs(d.point.x() - t.centre().x()), std::abs(d.point.y() - t.centre().y())) > 30;
        if (!clear)
            continue;
        QTest::mouseClick(w.preview, Qt::LeftButton, {}, t.centre() + QPoint(354 + Preview::kGap, 0));
        if (w.list->count() == 4) {
            spot = t.centre();
            break;
        }
    }
    QCOMPARE(w.list->count(), 4);
    QCOMPARE(w.draft().diffs.back().kind, QStringLiteral("remove"));
    QVERIFY((w.draft().diffs.back().point - spot).manhattanLength() <= 8);
    // A click on top of an existing difference is refused, with a reason.
    QTest::mouseClick(w.preview, Qt::LeftButton, {}, w.draft().diffs[0].point + QPoint(354 + Preview::kGap + 3, 0));
    QCOMPARE(w.list->count(), 4);
    QVERIFY(w.status->text().contains(QString::fromUtf8("közel")));
    // Re-roll the selected one; remove another.
    const QPoint second = w.draft().diffs[1].point;
    w.list->setCurrentRow(1);
    w.rerollButton->click();
    QCOMPARE(w.list->count(), 4);
    QVERIFY(w.draft().diffs[1].point != second);
    w.list->setCurrentRow(0);
    w.removeButton->click();
    QCOMPARE(w.list->count(), 3);
    QString problem;
    QVERIFY2(!encodeDraft(w.draft(), &problem).isEmpty(), qPrintable(problem));
}

void EditorWindowTest::paintedMaskMakesADifferenceInsideItsSquare_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("remove") << QStringLiteral("remove");
    QTest::newRow("recolour") << QStringLiteral("recolour");
    QTest::newRow("clone") << QStringLiteral("clone");
}

void EditorWindowTest::paintedMaskMakesADifferenceInsideItsSquare()
{
    QFETCH(QString, kind);
    EditorWindow w;
    QVERIFY(w.openPhoto(photo(1200, 1600, 9)));
    w.countBox->setValue(3);
    w.makeButton->click();
    QCOMPARE(w.list->count(), 3);
    QVERIFY(!w.maskKindBox->isEnabled());
    QTest::mouseClick(w.paintBox, Qt::LeftButton, {}, QPoint(4, w.paintBox->height() / 2));
    QVERIFY(w.paintBox->isChecked());
    QVERIFY(w.maskKindBox->isEnabled());
    w.maskKindBox->setCurrentIndex(w.maskKindBox->findData(kind));
    const QPoint right(354 + Preview::kGap, 0);
    // Free spots, far from the made differences and from the picture's edge.
    std::vector<QPoint> spots;
    for (int y = 40; y < 440; y += 30)
        for (int x = 40; x < 310; x += 30) {
            bool clear = true;
            for (const Difference& d : w.draft().diffs)
                clear = clear && std::max(std::abs(d.point.x() - x), std::abs(d.point.y() - y)) > 45;
            if (clear)
                spots.push_back(QPoint(x, y));
        }
    // As a player would: on the spots with the most detail first (something to remove).
    auto detail = [&](QPoint p) {
        cv::Scalar mean, dev;
        cv::meanStdDev(w.draft().left(cv::Rect(p.x() - 8, p.y() - 8, 16, 16)), mean, dev);
        return dev[0] + dev[1] + dev[2];
    };
    std::sort(spots.begin(), spots.end(), [&](QPoint a, QPoint b) { return detail(a) > detail(b); });
    bool made = false;
    QPoint start;
    cv::Mat before;
    for (size_t i = 0; i < spots.size() && i < 8 && !made; ++i) {
        start = spots[i];
        before = w.draft().right.clone();
        // A zig-zag stroke that runs off past the square's corner: the square clips it.
        QTest::mousePress(w.preview, Qt::LeftButton, {}, right + start);
        for (const QPoint step : {QPoint(6, 2), QPoint(-4, 5), QPoint(7, 7), QPoint(-6, -6), QPoint(25, 25)})
            QTest::mouseMove(w.preview, right + start + step);
        QTest::mouseRelease(w.preview, Qt::LeftButton, {}, right + start + QPoint(25, 25));
        made = w.list->count() == 4;
        if (!made)
            QVERIFY2(w.status->text().contains(QString::fromUtf8("nem lett különbség")), qPrintable(w.status->text()));
    }
    QVERIFY2(made, qPrintable(w.status->text()));
    const Difference& d = w.draft().diffs.back();
    QCOMPARE(d.kind, kind);
    // Nothing changed outside the square the stroke began in, and the ring is on the change.
    const QRect square = clickSquare(start) ;
    cv::Mat changed;
    cv::compare(before, w.draft().right, changed, cv::CMP_NE);
    cv::Mat any;
    cv::reduce(changed.reshape(1, changed.rows * changed.cols), any, 1, cv::REDUCE_MAX);
    any = any.reshape(1, changed.rows);
    const std::vector<levelgen::Change> inside = changesIn(before, w.draft().right, square);
    QVERIFY(!inside.empty());
    QCOMPARE(cv::countNonZero(any), int(inside.size()));
    QVERIFY(square.contains(d.point));
    QString problem;
    QVERIFY2(!encodeDraft(w.draft(), &problem).isEmpty(), qPrintable(problem));
    // A re-roll keeps the painted mask and its kind.
    w.list->setCurrentRow(3);
    w.rerollButton->click();
    QCOMPARE(w.list->count(), 4);
    QCOMPARE(w.draft().diffs[3].kind, kind);
    QVERIFY(square.contains(w.draft().diffs[3].point));
    QVERIFY(changesIn(before, w.draft().right, square.adjusted(-30, -30, 30, 30)).size() ==
            changesIn(before, w.draft().right, square).size());
    // Removing it gives the photo back there.
    w.removeButton->click();
    QCOMPARE(w.list->count(), 3);
    QVERIFY(changesIn(before, w.draft().right, square).empty());
}

void EditorWindowTest::savingAsALevelAsksBeforeReplacingAndKeepsABackup()
{
    // A portable game folder with its shipped level 1.
    const QString shipped = testsupport::writeTestLevel(dir_->path(), 1, testsupport::spreadPoints(3));
    QFile s(shipped);
    QVERIFY(s.open(QIODevice::ReadOnly));
    const QByteArray shippedBytes = s.readAll();
    s.close();
    EditorWindow w;
    QVERIFY(w.openPhoto(photo(1000, 1400, 5)));
    w.makeButton->click();
    QCOMPARE(w.levelBox->value(), 1); // the first own level, whatever ships
    QCOMPARE(w.levelBox->maximum(), 1);
    QVERIFY(w.saveAsLevel());
    const QString path = dir_->file("SAJAT/DATA/001.DAT");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray first = f.readAll();
    f.close();
    QVERIFY(levelgen::validateLevel(first).ok());
    QVERIFY(modals_->shown.isEmpty());
    QCOMPARE(w.levelBox->maximum(), 2); // the next one may be a new own level
    QCOMPARE(w.levelBox->value(), 1);
    // Again, with other differences: asked, refused, nothing changes.
    w.seedBox->setValue(9);
    w.makeButton->click();
    QVERIFY(!w.saveAsLevel());
    QCOMPARE(modals_->shown, QStringList{"replaceQuestion"});
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() == first);
    f.close();
    QVERIFY(!QFile::exists(path + ".bak"));
    // Agreed: the new level is in place and the old one kept as .bak.
    modals_->answer = [](QWidget*) { return int(platform::mrOk); };
    QVERIFY(w.saveAsLevel());
    QFile bak(path + ".bak");
    QVERIFY(bak.open(QIODevice::ReadOnly));
    QVERIFY(bak.readAll() == first);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() != first);
    f.close();
    // A new photo offers the next free number.
    QVERIFY(w.openPhoto(photo(1000, 1400, 6)));
    QCOMPARE(w.levelBox->value(), 2);
    w.makeButton->click();
    QVERIFY(w.saveAsLevel());
    QVERIFY(QFile::exists(dir_->file("SAJAT/DATA/002.DAT")));
    // The shipped folder is as it was: one level, the same bytes.
    QCOMPARE(QDir(dir_->file("DATA")).entryList(QDir::Files), QStringList{"001.DAT"});
    QVERIFY(s.open(QIODevice::ReadOnly));
    QVERIFY(s.readAll() == shippedBytes);
    // "Mentés másként" to any path; an unwritable one is reported.
    QVERIFY(w.saveAs(dir_->file("elsewhere/mine.DAT")));
    QCOMPARE(QFileInfo(dir_->file("elsewhere/mine.DAT")).size(), level::kRecordBytes);
    QVERIFY(!w.saveAs(QStringLiteral("/proc/kovra2/mine.DAT")));
    QVERIFY(messages_->list.last().text.contains(QString::fromUtf8("nem írható")));
}

void EditorWindowTest::pairWithAnOversizedChangeCannotBeSaved()
{
    const QImage pic = editortest::photoLike(708, 964, 6);
    QImage edited = pic;
    editortest::paintEdit(edited, QPoint(200, 200), 10, 0);
    editortest::paintEdit(edited, QPoint(500, 700), 40, 1); // larger than the square
    const QString a = dir_->file("a.png"), b = dir_->file("b.png");
    QVERIFY(pic.save(a) && edited.save(b));
    EditorWindow w;
    QVERIFY(w.openPair(a, b));
    QCOMPARE(w.list->count(), 2);
    QVERIFY(w.draft().diffs[0].clickable);
    QVERIFY(!w.draft().diffs[1].clickable);
    QCOMPARE(w.list->item(1)->foreground().color(), QColor(200, 20, 20));
    QVERIFY(w.status->text().contains(QString::fromUtf8("kattintási négyzet")));
    QVERIFY(!w.saveAsLevel());
    QVERIFY(messages_->list.last().text.contains(QString::fromUtf8("büntetést")));
    QVERIFY(!QFile::exists(dir_->file("DATA/001.DAT")));
    // Pictures of different sizes are refused (the unsaved differences let go first).
    modals_->answer = [](QWidget*) { return int(platform::mrOk); };
    QVERIFY(editortest::photoLike(700, 964, 7).save(dir_->file("c.png")));
    QVERIFY(!w.openPair(a, dir_->file("c.png")));
    QVERIFY(messages_->list.last().text.contains(QString::fromUtf8("mérete különbözik")));
}

void EditorWindowTest::trialPlayUsesTheGameWindowAndNoPlayerRecord()
{
    platform::VirtualClock::activate();
    EditorWindow w;
    w.show();
    QVERIFY(w.openPhoto(photo(1000, 1300, 8)));
    w.countBox->setValue(3);
    w.makeButton->click();
    w.trialButton->click();
    QVERIFY(editor::TrialPlay::program());
    GameWindow* game = editor::TrialPlay::program()->gameWindow();
    QVERIFY(game->isVisible());
    QVERIFY(!w.isEnabled());
    QVERIFY(game->windowTitle().contains(QString::fromUtf8("1. szint")));
    QVERIFY(game->windowTitle().contains(QString::fromUtf8("Próbajáték")));
    QCOMPARE(int(game->levelData->diffCount()), 3);
    QVERIFY(!w.close()); // the editor stays while the trial reports back to it
    for (int k = 1; k <= 3; ++k)
        QTest::mousePress(game->regions[size_t(k - 1)][0], Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(game->round.foundCount(), 3);
    platform::VirtualClock::advance(3000); // the level-completed window; "Mentés és kilépés"
    QCOMPARE(modals_->shown, QStringList{"LevelDoneDialog"});
    QTRY_VERIFY(w.isEnabled());
    QVERIFY(!editor::TrialPlay::running()); // the game's windows are gone with the trial
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!is<GameWindow>(top));
    // Nothing of the game was written where the editor works.
    QVERIFY(!QFile::exists(dir_->file("players.dat")));
    QVERIFY(!QFile::exists(dir_->file("settings.dat")));
    QVERIFY(QDir(dir_->file("DATA")).entryList(QDir::Files).isEmpty());
    platform::VirtualClock::deactivate();
}

void EditorWindowTest::unsavedDifferencesAreAskedAbout()
{
    EditorWindow w;
    w.show();
    QVERIFY(w.openPhoto(editortest::debianPhoto("RainDrops")));
    w.countBox->setValue(3);
    w.makeButton->click();
    QCOMPARE(w.list->count(), 3);
    QVERIFY(w.hasUnsavedDifferences());
    // Closing, quitting and opening another photo each ask; "Mégse" keeps all.
    QVERIFY(!w.close());
    QVERIFY(!w.openPhoto(editortest::debianPhoto("Wood")));
    QCOMPARE(modals_->shown, (QStringList{"discardQuestion", "discardQuestion"}));
    QCOMPARE(w.list->count(), 3);
    QVERIFY(w.isVisible());
    // Saved, nothing is lost by closing: no question.
    QVERIFY(w.saveAs(dir_->file("own.DAT")));
    QVERIFY(!w.hasUnsavedDifferences());
    QVERIFY(w.close());
    QCOMPARE(modals_->shown.size(), 2);
    // A changed difference is unsaved again; letting it go opens the new photo.
    EditorWindow v;
    v.show();
    QVERIFY(v.openPhoto(editortest::debianPhoto("RainDrops")));
    v.countBox->setValue(2);
    v.makeButton->click();
    modals_->answer = [](QWidget*) { return int(platform::mrOk); };
    QVERIFY(v.openPhoto(editortest::debianPhoto("Wood")));
    QCOMPARE(v.list->count(), 0);
}

void EditorWindowTest::aPlainPhotoOffersTheNumberItHolds()
{
    const QImage wall = editortest::plainWallWithTwoSpecks();
    const QString path = dir_->file("wall.png");
    QVERIFY(wall.save(path));
    EditorWindow w;
    w.show();
    QVERIFY(w.openPhoto(path));
    w.countBox->setValue(10);
    w.makeButton->click();
    QVERIFY2(w.list->count() >= 1 && w.list->count() <= 2, qPrintable(w.status->text()));
    QCOMPARE(w.countBox->value(), w.list->count()); // the number the photo holds is offered
    QVERIFY2(w.status->text().contains(QString::fromUtf8("Csak %1").arg(w.list->count())), qPrintable(w.status->text()));
    // The reason is long; in a window of everyday width it must be read whole, not cut at the edge.
    w.resize(900, 600);
    QCoreApplication::processEvents();
    const QFontMetrics metrics(w.status->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, w.status->width(), 10000), Qt::TextWordWrap, w.status->text());
    QVERIFY2(needed.height() <= w.status->height() && w.status->width() <= w.width(),
             qPrintable(QStringLiteral("%1 px of text in a %2 x %3 label").arg(needed.height()).arg(w.status->width()).arg(w.status->height())));
    // A one-line message after it takes one line, not the room of the paragraph before.
    modals_->answer = [](QWidget*) { return int(platform::mrOk); }; // let the unsaved differences go
    QVERIFY(w.openPhoto(path));
    QCoreApplication::processEvents();
    QVERIFY2(w.statusBar()->height() < 3 * metrics.height(), qPrintable(QStringLiteral("%1 px for: %2").arg(w.statusBar()->height()).arg(w.status->text())));
}

void EditorWindowTest::shortcutsRingsAndAScaledScreen()
{
    EditorWindow w;
    // A 1920 x 1080 screen at a scale of 1.5 leaves 1280 x 720 of room, less a panel and a title bar.
    w.resize(1240, 640);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList keys;
    for (QAction* a : w.findChildren<QAction*>())
        if (!a->shortcut().isEmpty())
            keys << a->shortcut().toString(QKeySequence::PortableText);
    for (const char* key : {"Ctrl+O", "Ctrl+S", "Ctrl+Q"})
        QVERIFY2(keys.contains(QLatin1String(key)), qPrintable(keys.join(", ")));
    QVERIFY(w.preview->ringsShown());
    w.ringsBox->setChecked(false);
    QVERIFY(!w.preview->ringsShown());
    // The width fits: nothing needs a sideways scroll, so the panel's own scroll bar is in sight.
    const QList<QScrollArea*> scrollers = w.findChildren<QScrollArea*>();
    for (QScrollArea* s : scrollers)
        QVERIFY2(!s->horizontalScrollBar()->isVisible(), qPrintable(QStringLiteral("%1 px wide").arg(s->widget()->minimumSizeHint().width())));
    // Every control can be scrolled into view.
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&w))
            continue;
        for (int pass = 0; pass < 2; ++pass) // the panel's own scroller, then the window's
            for (QScrollArea* s : scrollers)
                if (s->widget() && s->widget()->isAncestorOf(b))
                    s->ensureWidgetVisible(b);
        QVERIFY2(!b->visibleRegion().isEmpty(), qPrintable(b->text()));
    }
}

QTEST_MAIN(EditorWindowTest)
#include "tst_editor_window.moc"
