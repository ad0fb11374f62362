#include "menus/uStarter.h"

#include "game/uMain.h"
#include "menus/uAbout.h"
#include "menus/uRules.h"
#include "menus/weblink.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

LazyForm<TForm2> Form2;

QString makerNotice()
{
    return QString::fromUtf8("© 2026 K2 Műhely · v") + QStringLiteral(KOVRA_VERSION);
}

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kovra 2"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 400, 593);

    Image1 = new platform::Image(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 400, 593);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/start_background.jpg")));

    using platform::makeButton;
    Button2 = makeButton(this, "Button2", {80, 232, 241, 41}, QString::fromUtf8("Játék indítása"));
    Button6 = makeButton(this, "Button6", {80, 320, 241, 25}, QString::fromUtf8("Beállítások"));
    Button5 = makeButton(this, "Button5", {80, 352, 241, 25}, QString::fromUtf8("Játékszabályok"));
    Button1 = makeButton(this, "Button1", {80, 384, 241, 25}, QString::fromUtf8("Névjegy"));
    Button4 = makeButton(this, "Button4", {80, 456, 241, 41}, QString::fromUtf8("Kilépés"));
    connect(Button2, &QPushButton::clicked, this, [this] { platform::guard([this] { Button2Click(); }); });
    connect(Button6, &QPushButton::clicked, this, [this] { platform::guard([this] { Button6Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { platform::guard([this] { Button5Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { platform::guard([this] { Button1Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { platform::guard([this] { Button4Click(); }); });
    setTabOrder(Button2, Button6);
    setTabOrder(Button6, Button5);
    setTabOrder(Button5, Button1);
    setTabOrder(Button1, Button4);

    Label1 = platform::makeLabel(this, "Label1", {8, 576, 168, 14}, makerNotice(), platform::arial(11));
    Label2 = menus::makeWebLabel(this, "Label2", {272, 575, 122, 14}, [this] { Label2Click(); });
}

void TForm2::showThenRunShowSequence()
{
    deferShowSequence_ = true;
    // The window's first exposure is watched, not the form's own paint:
    // where pictures cover the whole form, only they are painted.
    if (QWindow* w = (winId(), windowHandle()))
        w->installEventFilter(this);
    show();
}

void TForm2::showEvent(QShowEvent* e)
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
    platform::guard([this] { FormShow(); });
    showSequenceDone_ = true;
}

bool TForm2::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Expose && watched == windowHandle() && showSequencePending_
        && windowHandle()->isExposed()) {
        showSequencePending_ = false;
        // Run once this exposure has been painted and has reached the screen:
        // the title music's library and device take longer to start than the
        // whole window took to appear.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !platform::shuttingDown())
                platform::guard([this] { FormShow(); });
            showSequenceDone_ = true;
        });
    }
    return QWidget::eventFilter(watched, e);
}

void TForm2::closeEvent(QCloseEvent* e)
{
    FormClose();
    e->accept();
}

void TForm2::musicStop()
{
    if (settings::musicOn())
        MediaPlayer1.stop();
}

void TForm2::musicRestart()
{
    if (settings::musicOn() && !platform::shuttingDown()) {
        MediaPlayer1.setStartPositionZero();
        MediaPlayer1.play();
    }
}

void TForm2::FormShow()
{
    warnIfUnwritable();
    MediaPlayer1.setFileName(platform::contentFile(QStringLiteral("music/000.mp3")));
    MediaPlayer1.open(); // a failure is reported and skips the rest of this showing
    settings::load(); // the settings window itself is built when first opened
    musicRestart();
}

void TForm2::warnIfUnwritable()
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

void TForm2::Button2Click()
{
    musicStop();
    hide();
    platform::showModal(Form3);
    if (Form3->selectedPlayer != 0) {
        Form1->show(); // stays hidden until the game window shows it again
        return;
    }
    show();
    musicRestart();
}

void TForm2::Button6Click()
{
    musicStop();
    platform::showModal(Form8);
    musicRestart(); // judged by the box as the player left it
}

void TForm2::Button5Click() { platform::showModal(Form9); }

void TForm2::Button1Click()
{
    hide();
    platform::showModal(Form10);
    show(); // its showing reopens the title music from the beginning
}

void TForm2::Button4Click()
{
    musicStop();
    close();
}

void TForm2::Label2Click() { menus::openWebPage(this); }

void TForm2::FormClose()
{
    // Missing scratch pictures are no error.
    QFile::remove(platform::writeFile(QStringLiteral("BAL.BMP")));
    QFile::remove(platform::writeFile(QStringLiteral("JOBB.BMP")));
}
