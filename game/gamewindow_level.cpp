// Loading a level, its difference regions and the hit test.
#include "game/gamewindow.h"

#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "platform/shape.h"
#include "platform/timer.h"

#include <QLabel>

using platform::Shape;

std::uint8_t GameWindow::diffCount() const { return levelData->diffCount(); }

void GameWindow::startPlaying()
{
    const Qt::CursorShape cursor = settings_.current().precise ? Qt::CrossCursor : Qt::ArrowCursor;
    leftPicture->setCursor(cursor);
    rightPicture->setCursor(cursor);
    const players::PlayerRecord& p = players_.currentPlayer();
    roundState.helps = p.helps;
    roundState.level = p.level == 0 ? 1 : p.level; // "not played yet" starts at the first level
    roundState.secondsBank = p.secondsBank;
    roundState.attempts = p.attempts;
    // A damaged settings file is reported and the boxes keep their states;
    // the level is loaded all the same, or the game could not be played.
    platform::guard([this] { settings_.load(); });
    loadLevel(roundState.level);
}

namespace {
// A record's picture on its control: the game's own BMP layout straight into
// the screen's pixel format, anything else through the general loader.
bool showRecordPicture(platform::Image* control, const char* bmp)
{
    QImage decoded = level::decodePicture(bmp, level::kPictureBytes);
    if (decoded.isNull())
        return control->loadFromData(bmp, level::kPictureBytes);
    control->setPicture(QPixmap::fromImage(std::move(decoded)));
    return true;
}
} // namespace

// Reads the level file and puts it on screen; false when it cannot be opened
// (or holds no playable number of differences). Other failures raise.
bool GameWindow::loadLevelFile(std::uint8_t n)
{
    const QString path = levels_.levelFile(n);
    // Read into a scratch buffer first: a record we reject must not
    // overwrite the level still on screen.
    if (!spareRecord_)
        spareRecord_ = std::make_unique<level::LevelRecord>();
    std::unique_ptr<level::LevelRecord>& incoming = spareRecord_; // the previous level's buffer, kept
    if (!platform::readRecord(path, incoming->bytes.data(), level::kRecordBytes))
        return false;
    const int count = incoming->diffCount();
    if (count < 1 || count > level::kMaxDiffs)
        return false;
    const QString scratchDir = platform::writeDir(); // worked out once: it looks at the folders
    platform::writeRecord(scratchDir + QStringLiteral("BAL.BMP"), incoming->leftPicture(), level::kPictureBytes);
    platform::writeRecord(scratchDir + QStringLiteral("JOBB.BMP"), incoming->rightPicture(), level::kPictureBytes);
    // The scratch files hold these very bytes: decode them from memory
    // rather than read back what was just written.
    std::swap(levelData, incoming);
    if (!showRecordPicture(leftPicture, levelData->leftPicture()) || !showRecordPicture(rightPicture, levelData->rightPicture()))
        throw platform::RuntimeError(QString::fromUtf8("A kép nem tölthető be (BAL.BMP, JOBB.BMP)"));
    leftPicture->show();
    rightPicture->show();
    return true;
}

void GameWindow::loadLevel(int n)
{
    shadowCursor->hide();
    // The level the player's record would get if this load fails: the one
    // played until now. A level that did not load is never saved as theirs.
    const std::uint8_t before = roundState.level;
    roundState.level = std::uint8_t(n);
    accounted_ = false;
    // The last find disables the pause clock and starts the wait before the
    // level-completed window. A load during that wait (a level jump), or after
    // a close that abandoned it, starts a new attempt: the wait must not
    // complete the new level, and the pause clock works again.
    completionDelay->setEnabled(false);
    pauseButton->setEnabled(true);
    idleTimer->setEnabled(true);
    if (settings_.current().music && !levelMusic.fileName().isEmpty())
        levelMusic.stop();

    bool loaded = false;
    try {
        loaded = loadLevelFile(roundState.level);
    } catch (const platform::RuntimeError&) {
        // Abandoned: stopped and labelled before the report is shown, so no
        // clock runs behind the box and nothing pretends the level is on.
        failedLoad(n, before);
        throw;
    }
    if (loaded) {
        remainingLabel->setText(QString::number(diffCount()));
        buildRegions();
        showHelpStatus();
        levelNumber->setText(QString::number(roundState.level));
        levelNumberShadow->setText(QString::number(roundState.level));
        round.start(diffCount(), roundState.helps, roundState.secondsBank, roundState.attempts == 0);
        timeBar->setMaxValue(round.secondsAtStart());
        timeBar->setProgress(round.secondsShown());
    } else {
        failedLoad(n, before);
        platform::messageBox(this, QString::fromUtf8("A következő pályát nem lehet betölteni."),
                             QString::fromUtf8("Fájlbetöltési hiba"), platform::MsgIcon::Error);
    }

    if (roundState.attempts < 0xFFFF) // a wrap would make the next load a "first" try
        ++roundState.attempts;
    showCaption(n);
    round.setPaused(false);
    applyPause();
    playEffect(QStringLiteral("palya_kezd"));
    if (settings_.current().music) {
        levelMusic.setFileName(platform::contentFile(QStringLiteral("MUSIC/") + level::zeroes(std::uint8_t(n)) + QStringLiteral(".MP3")));
        platform::guard([this] { // a missing piece leaves the level playing in silence
            levelMusic.open();
            levelMusic.play();
        });
    }
}

void GameWindow::failedLoad(int n, std::uint8_t before)
{
    // No clock and no idle reminder on a level that is not there.
    round.stop();
    idleTimer->setEnabled(false);
    idleFlashTimer->setEnabled(false);
    roundState.level = before;
    // The labels and the caption name the level asked for: the one the box
    // says could not be loaded.
    levelNumber->setText(QString::number(n & 0xFF));
    levelNumberShadow->setText(QString::number(n & 0xFF));
    showCaption(n);
}

void GameWindow::showCaption(int n)
{
    // The own set says so, lest its level 1 be taken for the shipped one.
    setWindowTitle(QStringLiteral("Kovra 2%1 - %2. szint, %3. próbálkozás (Játékos: %4)")
                       .arg(levels_.isOwn() ? QString::fromUtf8(" (saját pályák)") : QString())
                       .arg(n & 0xFF)
                       .arg(roundState.attempts)
                       .arg(players_.currentPlayer().displayName()));
}

// The regions and progress dots live on one layer over the window, masked
// to their squares so that a press anywhere else reaches the pictures. It is
// hidden while they are refitted and shown once after: every control shown
// on a visible window under the pointer asks the X server where the pointer
// is, and up to 75 such round trips cost more than the rest of a load.
QWidget* GameWindow::regionLayer()
{
    if (!regionLayer_) {
        regionLayer_ = new QWidget(this);
        regionLayer_->setObjectName(QStringLiteral("regionLayer"));
        regionLayer_->hide();
    }
    return regionLayer_;
}

void GameWindow::setRegionsVisible(bool visible)
{
    // Regions coming back are shown behind the hidden layer, as a build does.
    bool showing = false;
    for (int k = 1; k <= builtCount_; ++k)
        for (Shape* s : regions[k - 1])
            showing = showing || (visible && s->isHidden());
    if (showing)
        regionLayer()->hide();
    for (int k = 1; k <= builtCount_; ++k)
        for (Shape* s : regions[k - 1])
            s->setVisible(visible);
    // Hidden regions must not keep their squares in the layer's mask: a
    // press there would reach the layer, not the pause banner beneath it.
    if (regionLayer_ && builtCount_ > 0) // an empty mask would be no mask
        regionLayer_->setMask(visible ? regionArea_ + dotArea_ : dotArea_);
    if (showing)
        regionLayer()->show();
}

// The region controls of a level are hidden when it ends and shown again,
// refitted, by the next one: making and destroying up to 75 controls at every
// load cost more than reading the level. Raising each in the order a fresh
// build would make them keeps the same stacking (the topmost of two regions
// on one point is the later one).
platform::Shape* GameWindow::regionControl(int k, int side)
{
    Shape*& s = regionPool_[size_t(k - 1)][size_t(side)];
    if (!s) {
        s = new Shape(regionLayer(), Shape::Circle);
        s->setBrushStyle(Shape::Clear);
        s->setPenWidth(3);
        s->onMouseDown = [this](Shape* r, Qt::MouseButton) { platform::guard([this, r] { regionPressed(r); }); };
        if (side == 0)
            s->onMouseMove = [this](Shape* r, QPoint p) { pointerOnLeftRegion(r, p); };
        else
            s->onMouseMove = [this](Shape* r, QPoint p) { pointerOnRightRegion(r, p); };
    }
    return s;
}

platform::Shape* GameWindow::progressDot(int k)
{
    Shape*& dot = dotPool_[size_t(k - 1)];
    if (!dot) {
        dot = new Shape(regionLayer(), Shape::Circle);
        dot->setPenWidth(1);
    }
    return dot;
}

void GameWindow::buildRegions()
{
    const int n = diffCount();
    const QColor marker = levelData->markerColor();
    const Qt::CursorShape cursor = settings_.current().precise ? Qt::CrossCursor : Qt::ArrowCursor;
    QWidget* layer = regionLayer();
    layer->hide();
    layer->setGeometry(rect());
    regionArea_ = QRegion();
    dotArea_ = QRegion();
    for (int side = 0; side < 2; ++side) {
        for (int k = 1; k <= n; ++k) {
            const level::DiffPoint pt = levelData->diffPoint(k);
            Shape* s = regionControl(k, side);
            s->setKind(Shape::Circle);
            s->setGeometry(pt.x + (side == 0 ? 66 : 552), pt.y + 49, 20, 20);
            s->setPenColor(marker);
            s->setPenStyle(Shape::Clear);
            if (!s->testAttribute(Qt::WA_SetCursor) || s->cursor().shape() != cursor)
                s->setCursor(cursor); // not again for every level: each set reaches the window
            s->setObjectName((side == 0 ? QStringLiteral("a") : QStringLiteral("b")) + level::zeroes(std::uint8_t(k)));
            s->raise();
            s->show();
            regionArea_ += s->geometry();
            regions[k - 1][side] = s;
        }
    }
    const int step = 330 / n;
    for (int k = 1; k <= n; ++k) {
        Shape* dot = progressDot(k);
        dot->setGeometry(327 + step * (k - 1) + step / 2, 618, 18, 18);
        dot->setBrushColor(Qt::white);
        dot->setPenColor(QColor(192, 162, 143));
        dot->raise();
        dot->show();
        dotArea_ += dot->geometry();
        progressDots[k - 1] = dot;
    }
    builtCount_ = n;
    layer->setMask(regionArea_ + dotArea_);
    layer->raise();
    layer->show();
}

void GameWindow::clearRegions()
{
    for (int k = 1; k <= builtCount_; ++k) {
        for (Shape* s : regions[k - 1]) {
            s->hide();
            s->setObjectName(QString()); // a spare control answers to no region's name
        }
        progressDots[k - 1]->hide();
        regions[k - 1] = {nullptr, nullptr};
        progressDots[k - 1] = nullptr;
    }
    builtCount_ = 0;
    if (regionLayer_)
        regionLayer_->hide(); // its mask would still take the old squares' presses
}

void GameWindow::regionPressed(Shape* r)
{
    idleTimer->setEnabled(false);
    idleTimer->setEnabled(true);
    for (int k = 1; k <= builtCount_; ++k)
        if (regions[k - 1][0] == r || regions[k - 1][1] == r)
            round.find(k); // nothing again for one already found
}

// Both rings of a find turn solid; a help's are rounded squares.
void GameWindow::differenceFound(int k, bool byHelp)
{
    if (byHelp)
        playEffect(QStringLiteral("help"));
    else if (round.complete())
        playEffect(QStringLiteral("talalat2"));
    else
        playEffect(QStringLiteral("talalat"));
    for (Shape* s : regions[k - 1]) {
        s->setPenStyle(Shape::Solid);
        if (byHelp)
            s->setKind(Shape::RoundRect);
    }
    showProgressDots(std::uint8_t(round.remaining()));
    remainingLabel->setText(QString::number(round.remaining()));
}

// The clock has stopped; the level-completed window follows a moment later.
void GameWindow::roundCompleted()
{
    idleTimer->setEnabled(false);
    helpButton->setEnabled(false);
    pauseButton->setEnabled(false);
    stopMusic();
    completionDelay->setEnabled(true);
}

void GameWindow::showProgressDots(std::uint8_t r)
{
    for (int k = 1; k <= builtCount_; ++k) {
        Shape* dot = progressDots[k - 1];
        if (k <= r) {
            dot->setBrushColor(Qt::white);
        } else {
            dot->setBrushColor(QColor(192, 162, 143));
            dot->setPenColor(QColor(176, 145, 126));
        }
    }
}
