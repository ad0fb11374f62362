#include "menus/startwindow.h"

#include "menus/weblink.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

QString makerNotice()
{
    return QString::fromUtf8("© 2026 K2 Műhely · v") + QStringLiteral(KOVRA_VERSION);
}

StartWindow::StartWindow(players::SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings)
{
    setObjectName(QStringLiteral("StartWindow"));
    setWindowTitle(QStringLiteral("Kovra 2"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 400, 593);

    background = new platform::Image(this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, 400, 593);
    background->setPicture(QPixmap(QStringLiteral(":/art/start_background.jpg")));

    using platform::makeButton;
    startButton = makeButton(this, "startButton", {80, 232, 241, 41}, QString::fromUtf8("Játék indítása"));
    settingsButton = makeButton(this, "settingsButton", {80, 320, 241, 25}, QString::fromUtf8("Beállítások"));
    rulesButton = makeButton(this, "rulesButton", {80, 352, 241, 25}, QString::fromUtf8("Játékszabályok"));
    aboutButton = makeButton(this, "aboutButton", {80, 384, 241, 25}, QString::fromUtf8("Névjegy"));
    quitButton = makeButton(this, "quitButton", {80, 456, 241, 41}, QString::fromUtf8("Kilépés"));
    connect(startButton, &QPushButton::clicked, this, [this] { platform::guard([this] { startGameClicked(); }); });
    connect(settingsButton, &QPushButton::clicked, this, [this] { platform::guard([this] { settingsClicked(); }); });
    connect(rulesButton, &QPushButton::clicked, this, [this] { platform::guard([this] { rulesClicked(); }); });
    connect(aboutButton, &QPushButton::clicked, this, [this] { platform::guard([this] { aboutClicked(); }); });
    connect(quitButton, &QPushButton::clicked, this, [this] { platform::guard([this] { quitClicked(); }); });
    setTabOrder(startButton, settingsButton);
    setTabOrder(settingsButton, rulesButton);
    setTabOrder(rulesButton, aboutButton);
    setTabOrder(aboutButton, quitButton);

    makerLabel = platform::makeLabel(this, "makerLabel", {8, 576, 168, 14}, makerNotice(), platform::arial(11));
    setLabel = platform::makeLabel(this, "setLabel", {80, 282, 241, 24}, QString(), platform::arial(18, true), Qt::AlignCenter);
    // The maroon of the window cards' headings, on the paper.
    QPalette maroon = setLabel->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x7A, 0x24, 0x1C));
    setLabel->setPalette(maroon);
    setLabel->hide();
    webLink = menus::makeWebLabel(this, "webLink", {272, 575, 122, 14}, [this] { webLinkClicked(); });
}

void StartWindow::showSetName(const QString& name)
{
    setLabel->setText(name);
    setLabel->setVisible(!name.isEmpty());
    setWindowTitle(name.isEmpty() ? QStringLiteral("Kovra 2") : QString::fromUtf8("Kovra 2 – ") + name.toLower());
}

void StartWindow::showThenRunShowSequence()
{
    deferShowSequence_ = true;
    // The window's first exposure is watched, not the form's own paint:
    // where pictures cover the whole form, only they are painted.
    if (QWindow* w = (winId(), windowHandle()))
        w->installEventFilter(this);
    show();
}

void StartWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) // restoring from the task bar is no new showing
        return;
    // A window a shutdown closes (the player window) may show this one on
    // its way out: the program ends, nothing is to be read or played.
    if (platform::shuttingDown())
        return;
    if (deferShowSequence_) {
        deferShowSequence_ = false;
        showSequencePending_ = true;
        return;
    }
    platform::guard([this] { runShowSequence(); });
    showSequenceDone_ = true;
}

bool StartWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Expose && watched == windowHandle() && showSequencePending_
        && windowHandle()->isExposed()) {
        showSequencePending_ = false;
        // Run once this exposure has been painted and has reached the screen:
        // the title music's library and device take longer to start than the
        // whole window took to appear.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !platform::shuttingDown())
                platform::guard([this] { runShowSequence(); });
            showSequenceDone_ = true;
        });
    }
    return QWidget::eventFilter(watched, e);
}

void StartWindow::closeEvent(QCloseEvent* e)
{
    removeScratchPictures();
    e->accept();
}

void StartWindow::stopMusic()
{
    if (settings_.musicOn())
        titleMusic.stop();
}

void StartWindow::restartMusic()
{
    if (settings_.musicOn() && !platform::shuttingDown()) {
        titleMusic.setStartPositionZero();
        titleMusic.play();
    }
}

void StartWindow::runShowSequence()
{
    warnIfUnwritable();
    titleMusic.setFileName(platform::contentFile(QStringLiteral("music/000.mp3")));
    titleMusic.open(); // a failure is reported and skips the rest of this showing
    settings_.load(); // the settings window itself is built when first opened
    restartMusic();
}

void StartWindow::warnIfUnwritable()
{
    if (writeWarned_)
        return;
    writeWarned_ = true;
    const QString dir = platform::unwritableWriteDir();
    if (!dir.isEmpty())
        platform::messageBox(this, unwritableFolderText(dir), QStringLiteral("Kovra 2"), platform::MsgIcon::Warning);
}

QString unwritableFolderText(const QString& dir)
{
    return QString::fromUtf8("A játék nem tud írni ebbe a mappába:\n%1\n\n"
                             "A játékosok és a beállítások így nem menthetők, "
                             "de a játékban szabadon körülnézhet.")
        .arg(QDir::toNativeSeparators(dir));
}

void StartWindow::startGameClicked()
{
    stopMusic();
    hide();
    emit playerChoiceAsked(); // a chosen player's game window shows this one again
}

void StartWindow::playerChoiceCancelled()
{
    show();
    restartMusic();
}

void StartWindow::settingsClicked()
{
    stopMusic();
    emit settingsAsked();
    restartMusic(); // judged by the box as the player left it
}

void StartWindow::rulesClicked() { emit rulesAsked(); }

void StartWindow::aboutClicked()
{
    hide();
    emit aboutAsked();
    show(); // its showing reopens the title music from the beginning
}

void StartWindow::quitClicked()
{
    stopMusic();
    close();
}

void StartWindow::webLinkClicked() { menus::openWebPage(this); }

void StartWindow::removeScratchPictures()
{
    // Missing scratch pictures are no error.
    QFile::remove(platform::writeFile(QStringLiteral("BAL.BMP")));
    QFile::remove(platform::writeFile(QStringLiteral("JOBB.BMP")));
}
