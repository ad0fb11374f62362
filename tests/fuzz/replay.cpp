#include "support/appwindows.h"
#include "fuzz/replay.h"

#include "fuzz/levelinput.h"
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/leveljumpdialog.h"
#include "menus/startwindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "sound/soundchannel.h"

#include <QApplication>
#include <QSpinBox>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace fuzzreplay {

namespace {
const QString kReadBeyondEof = QStringLiteral("Read beyond end of file.");
// Sound, precise pointer and shadow on; music off: no music files here.
const QByteArray kQuietSettings = QByteArray::fromHex("01010001");
const QString kNoLevel = QString::fromUtf8("A következő pályát nem lehet betölteni.");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Collects broken rules with what was seen, for the fuzzer's crash report.
class Rules {
public:
    void expect(bool held, const QString& rule) { if (!held) broken << rule; }
    QStringList broken;
};

// Logs that tests read grow with every replay; a long run must not.
void forgetLogs(Session& s)
{
    s.messages.list.clear();
    s.modals.shown.clear();
    sound::SoundChannel::instance().log.clear();
    gameWindow()->levelMusic.log.clear();
    startWindow()->titleMusic.log.clear();
}

// What the game's event loop does between two events: paint, and deliver
// what was posted (deferred deletions among it). Without it posted events
// pile up over a long run.
void settle(Session& s)
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forgetLogs(s);
}

bool onlyMessage(const Session& s, const QString& text)
{
    return s.messages.list.size() == 1 && s.messages.list.first().text.startsWith(text);
}

int regionCount()
{
    int n = 0;
    for (const auto& pair : gameWindow()->regions)
        n += (pair[0] != nullptr) + (pair[1] != nullptr);
    return n;
}

// The level as the loader must leave it, judged from the file alone.
void checkLoaded(const Session& s, const QByteArray& file, Rules& rules)
{
    const bool whole = file.size() >= level::kRecordBytes;
    const int count = whole ? static_cast<unsigned char>(file[2 * level::kPictureBytes]) : 0;
    if (!whole) {
        rules.expect(onlyMessage(s, kReadBeyondEof), QStringLiteral("a short file is reported as such"));
        rules.expect(regionCount() == 0, QStringLiteral("a short file builds no region"));
        return;
    }
    if (count < 1 || count > level::kMaxDiffs) {
        rules.expect(onlyMessage(s, kNoLevel), QStringLiteral("an unplayable count gets the load-failure box"));
        rules.expect(regionCount() == 0 && !gameWindow()->round.clockRunning(),
                     QStringLiteral("an unplayable count builds nothing and stops the clock"));
        return;
    }
    if (!s.messages.list.isEmpty()) { // the picture loader may refuse a damaged picture
        rules.expect(s.messages.list.size() == 1 && regionCount() == 0,
                     QStringLiteral("a refused picture is one report and no regions"));
        return;
    }
    rules.expect(regionCount() == 2 * count, QStringLiteral("one region pair per difference"));
    rules.expect(gameWindow()->round.timeLeft() == 10 * count && gameWindow()->timeBar->maxValue() == 10 * count,
                 QStringLiteral("ten seconds per difference"));
    rules.expect(gameWindow()->round.clockRunning(), QStringLiteral("the clock runs after a load"));
    rules.expect(gameWindow()->pauseButton->isEnabled(), QStringLiteral("the clock can be paused after a load"));
    rules.expect(readFile(platform::exeDir() + QStringLiteral("BAL.BMP")) == file.left(level::kPictureBytes),
                 QStringLiteral("BAL.BMP is the left picture byte for byte"));
    rules.expect(readFile(platform::exeDir() + QStringLiteral("JOBB.BMP"))
                     == file.mid(level::kPictureBytes, level::kPictureBytes),
                 QStringLiteral("JOBB.BMP is the right picture byte for byte"));
}

QString levelPath(int levelNo)
{
    return platform::exeDir() + QStringLiteral("DATA/") + level::zeroes(std::uint8_t(levelNo)) + QStringLiteral(".DAT");
}

// Finds the five differences of validLevel() and waits for the level's end.
const QByteArray kFindEverything = QByteArray::fromHex("020a" "0000" "0001" "0002" "0003" "0004" "07");

// Steps a play script knows; a code's next multiple picks the right picture.
constexpr int kSteps = 10;

platform::Shape* region(int k, int side) { return gameWindow()->regions[size_t(k - 1)][size_t(side)]; }

// What a player does, one byte per step (some take an operand): press a
// region, click a picture, let time pass, ask for help, pause, move the
// pointer, jump to the level again through the hidden dialog, close the game
// and come back. Stops when the game window is gone (level end, time up).
void play(Session& s, const LevelInput& level, Rules& rules)
{
    static const QByteArray kDefault = QByteArray::fromHex(
        "0000" "0a01" "01" "01" "020a" "03" "04" "04" "054050" "06020505" "07");
    const QByteArray& steps = level.script.isEmpty() ? kDefault : level.script;
    auto operand = [&steps](int& i) { return i < steps.size() ? static_cast<unsigned char>(steps[i++]) : 0; };
    int i = 0;
    int reloads = 0; // a load costs as much as the rest of a script: two will do
    for (int done = 0; done < 32 && i < steps.size() && gameWindow()->isVisible(); ++done) {
        const int code = static_cast<unsigned char>(steps[i++]);
        const int side = (code / kSteps) & 1;
        const bool allFound = gameWindow()->regionsBuilt() && gameWindow()->round.foundCount() == gameWindow()->levelData->diffCount();
        const qsizetype windowsBefore = s.modals.shown.size();
        switch (code % kSteps) {
        case 0: { // press a region
            platform::Shape* r = region(operand(i) % level::kMaxDiffs + 1, side);
            if (r)
                r->onMouseDown(r, Qt::LeftButton);
            break;
        }
        case 1: (side ? gameWindow()->rightPicture : gameWindow()->leftPicture)->onClick(); break;
        case 2: platform::VirtualClock::advance(100 * (operand(i) + 1)); break;
        case 3: gameWindow()->helpButton->onClick(); break;
        case 4: gameWindow()->pauseButton->onClick(); break;
        case 5: {
            const QPoint at{operand(i) * 2, operand(i) * 2}; // braces: operands in order
            (side ? gameWindow()->rightPicture : gameWindow()->leftPicture)->onMouseMove(at);
            break;
        }
        case 6: { // move over a region
            platform::Shape* r = region(operand(i) % level::kMaxDiffs + 1, side);
            const QPoint at{operand(i) % 20, operand(i) % 20};
            if (r)
                r->onMouseMove(r, at);
            break;
        }
        case 7: platform::VirtualClock::advance(4000); break;
        case 8: { // right click with Ctrl, Shift and Alt on the level number
            if (++reloads > 2)
                break;
            levelJumpDialog()->levelBox->setValue(1);
            s.messages.list.clear();
            const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
            platform::guard([all] { gameWindow()->levelNumberPressed(Qt::RightButton, all); });
            checkLoaded(s, level.file, rules);
            break;
        }
        case 9: // close the game window and start the level again
            if (++reloads > 2)
                break;
            gameWindow()->close();
            startWindow()->hide();
            s.messages.list.clear();
            gameWindow()->show();
            checkLoaded(s, level.file, rules);
            break;
        }
        if (s.modals.shown.mid(windowsBefore).contains(QStringLiteral("LevelDoneDialog")))
            rules.expect(allFound, QStringLiteral("a level is completed only once every difference is found"));
    }
}

void choosePlayer(const QByteArray& name, int levelNo, int helps)
{
    players::PlayerRecord p = players::PlayerRecord::newPlayer(QString::fromLatin1(name));
    p.level = std::uint8_t(levelNo);
    p.helps = std::uint8_t(helps);
    playerStore()->roster = {};
    playerStore()->roster.playerCount = 1;
    playerStore()->roster.slot(1) = p;
    playerStore()->selectedPlayer = 1;
}

// The game window left as the player leaves it: closed, which deletes the
// scratch pictures and brings the start window back (hidden again here), or
// already left for the start window by the level's end.
void leaveGame(Rules& rules)
{
    if (gameWindow()->isVisible()) {
        gameWindow()->close();
        rules.expect(!QFile::exists(platform::exeDir() + QStringLiteral("BAL.BMP")),
                     QStringLiteral("closing deletes BAL.BMP"));
    }
    rules.expect(regionCount() == 0, QStringLiteral("no region outlives the game"));
    startWindow()->hide();
}

QStringList listTexts()
{
    QStringList t;
    for (int i = 0; i < playerDialog()->playerList->count(); ++i)
        t << playerDialog()->playerList->item(i)->text();
    return t;
}

// After every save the file is one whole roster that lists as the window does.
void checkSaved(Rules& rules, const QString& when)
{
    const QByteArray saved = readFile(platform::exeDir() + QStringLiteral("players.dat"));
    rules.expect(saved.size() == players::kRosterBytes, when + QStringLiteral(": players.dat is 484 bytes"));
    if (saved.size() != players::kRosterBytes)
        return;
    const players::RosterRecord r = players::decodeRoster(saved.constData());
    rules.expect(players::encodeRoster(r) == saved, when + QStringLiteral(": the saved roster reads back unchanged"));
    rules.expect(r.playerCount == playerStore()->roster.playerCount, when + QStringLiteral(": the file holds the players in memory"));
}
} // namespace

Session::Session()
{
    forgetLogs(*this);
}

QStringList replayLevel(Session& s, const QByteArray& input)
{
    Rules rules;
    const LevelInput level = levelFromInput(input);
    writeFile(s.dir.file(QStringLiteral("settings.dat")), kQuietSettings);
    writeFile(s.dir.file(QStringLiteral("DATA/001.DAT")), level.file);
    forgetLogs(s);
    choosePlayer("Fuzz", 1, 2);
    gameWindow()->show(); // the show handler loads the player's level
    checkLoaded(s, level.file, rules);
    // A const pointer: the window's own comparison, which builds nothing, is
    // then the one match (with QWidget* it ties with the built-in one).
    s.modals.answer = [](const QWidget* w) { return int(is<LevelJumpDialog>(w) ? platform::mrOk : platform::mrCancel); };
    play(s, level, rules);
    s.modals.answer = nullptr;
    leaveGame(rules);
    // The player comes back: nothing of the first showing may linger (and a
    // replay leaves nothing behind for the next one).
    s.messages.list.clear();
    gameWindow()->show();
    checkLoaded(s, level.file, rules);
    leaveGame(rules);
    settle(s);
    return rules.broken;
}

QStringList replayRoster(Session& s, const QByteArray& playersDat)
{
    Rules rules;
    writeFile(s.dir.file(QStringLiteral("settings.dat")), kQuietSettings);
    writeFile(s.dir.file(QStringLiteral("players.dat")), playersDat);
    forgetLogs(s);
    playerDialog()->show();
    const bool whole = playersDat.size() >= players::kRosterBytes;
    const int listed = whole ? qMin<int>(static_cast<unsigned char>(playersDat[0]), players::kMaxPlayers) : 0;
    rules.expect(playerDialog()->playerList->count() == listed, QStringLiteral("the list holds every player of the file"));
    rules.expect(whole ? s.messages.list.isEmpty() : onlyMessage(s, kReadBeyondEof),
                 QStringLiteral("only a short roster is reported"));

    // Walk the list, then start the first player who may play.
    int chosen = -1;
    for (int i = 0; i < playerDialog()->playerList->count(); ++i) {
        playerDialog()->playerList->setCurrentRow(i);
        if (chosen < 0 && playerDialog()->okButton->isEnabled())
            chosen = i;
    }
    if (chosen >= 0) {
        playerDialog()->playerList->setCurrentRow(chosen);
        playerDialog()->okButton->click();
        rules.expect(playerStore()->selectedPlayer == chosen + 1 && !playerDialog()->isVisible(),
                     QStringLiteral("OK chooses the selected player"));
        // Play the player's level to its end with the stored progress, so
        // the game's own sums run on the numbers the file brought.
        const players::PlayerRecord& p = playerStore()->currentPlayer();
        const QString name = p.displayName();
        const QString levelFile = levelPath(p.level);
        writeFile(levelFile, validLevel());
        s.modals.answer = [](const QWidget* w) { return int(is<LevelDoneDialog>(w) ? platform::mrOk : platform::mrCancel); };
        gameWindow()->show();
        rules.expect(gameWindow()->windowTitle().endsWith(QStringLiteral("(Játékos: ") + name + QLatin1Char(')')),
                     QStringLiteral("the caption names the player"));
        play(s, {validLevel(), kFindEverything}, rules);
        s.modals.answer = nullptr;
        QFile::remove(levelFile);
        leaveGame(rules); // saves the player's progress
        checkSaved(rules, QStringLiteral("after a game"));
        playerDialog()->show();
        rules.expect(playerDialog()->playerList->count() == listed, QStringLiteral("a game keeps every player"));
    }

    // Add a player where there is room, then delete the last one.
    if (playerDialog()->addButton->isEnabled()) {
        const QStringList before = listTexts();
        playerDialog()->addButton->click();
        playerDialog()->nameEdit->setText(QString::fromUtf8("Új őrző"));
        playerDialog()->confirmAddButton->click();
        rules.expect(listTexts() == before + QStringList{QString::fromUtf8("Új őrző (1. szint)")},
                     QStringLiteral("a new player is listed last, at level 1"));
        checkSaved(rules, QStringLiteral("after adding"));
    }
    if (playerDialog()->playerList->count() > 0) {
        const QStringList before = listTexts();
        playerDialog()->playerList->setCurrentRow(before.size() - 1);
        playerDialog()->deleteButton->click(); // shows the confirmation box
        playerDialog()->confirmDelete->setChecked(true);
        playerDialog()->deleteButton->click();
        rules.expect(listTexts() == before.mid(0, before.size() - 1),
                     QStringLiteral("deleting the last player keeps the others in order"));
        checkSaved(rules, QStringLiteral("after deleting"));
    }
    playerDialog()->hide();
    settle(s);
    return rules.broken;
}

QStringList replaySettings(Session& s, const QByteArray& settingsDat)
{
    Rules rules;
    QCheckBox* boxes[] = {settingsDialog()->soundBox, settingsDialog()->preciseBox, settingsDialog()->musicBox, settingsDialog()->shadowBox};
    for (QCheckBox* b : boxes)
        b->setChecked(true);
    writeFile(s.dir.file(QStringLiteral("settings.dat")), settingsDat);
    forgetLogs(s);
    settingsDialog()->show(); // the show handler loads the file
    const bool whole = settingsDat.size() >= players::kSettingsBytes;
    rules.expect(whole ? s.messages.list.isEmpty() : onlyMessage(s, kReadBeyondEof),
                 QStringLiteral("only a short file is reported"));
    for (int i = 0; i < 4; ++i)
        rules.expect(boxes[i]->isChecked() == (!whole || settingsDat[i] != 0),
                     QStringLiteral("box %1 follows its byte").arg(i));
    settingsDialog()->saveButton->click(); // save and close
    QByteArray expected(players::kSettingsBytes, '\0');
    for (int i = 0; i < 4; ++i)
        expected[i] = char(boxes[i]->isChecked() ? 1 : 0);
    rules.expect(readFile(s.dir.file(QStringLiteral("settings.dat"))) == expected,
                 QStringLiteral("the save writes the four boxes as 0 and 1"));
    rules.expect(!settingsDialog()->isVisible(), QStringLiteral("saving closes the window"));
    settingsDialog()->hide();
    settle(s);
    return rules.broken;
}

Session& headlessSession()
{
    static int argc = 1;
    static char name[] = "kovra-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("SDL_AUDIODRIVER", "dummy");
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
    static Session* session = new Session;
    return *session;
}

int fuzzOne(Replay replay, const unsigned char* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList broken = replay(headlessSession(), input);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "Broken rules: %s\n", qPrintable(broken.join(QStringLiteral("; "))));
        std::abort();
    }
    return 0;
}

} // namespace fuzzreplay
