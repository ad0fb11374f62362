#include "players/uPlayerSelect.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "players/cp1250validator.h"
#include "players/dialogstyle.h"
#include "players/roster.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>
#include <cerrno>

LazyForm<TForm3> Form3;

namespace {
QString rosterPath() { return platform::writeFile(QStringLiteral("players.dat")); }
} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékos kiválasztása"));
    dialogstyle::setDialogFrame(this, true);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // no cancel button: Esc does nothing here
    setFont(windowFont());
    fixAndCentre(this, 600, 417);

    Image1 = new Image(this);
    Image1->setGeometry(0, 0, 600, 417);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/player_background.jpg")));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(72, 136, 297, 137);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    QPalette pal = ListBox1->palette();
    pal.setColor(QPalette::Base, QColor(216, 196, 165));
    pal.setColor(QPalette::Text, Qt::black);
    ListBox1->setPalette(pal);

    Button1 = makeButton(this, "Button1", {72, 280, 137, 25}, QString::fromUtf8("+ Új játékos hozzáadása"));
    Button5 = makeButton(this, "Button5", {232, 280, 137, 25}, QString::fromUtf8("Játékos törlése"));
    Button5->setEnabled(false);
    CheckBox1 = new QCheckBox(QString::fromUtf8("Jelölje be, ha valóban törölni kívánja a játékost!"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(232, 312, 249, 17);
    // Our face needs a few pixels more than the layout's; the card has room
    // to the right, and a clipped question is worse than a wider box.
    CheckBox1->resize(std::max(CheckBox1->width(), CheckBox1->sizeHint().width()), CheckBox1->height());
    CheckBox1->hide();
    Button2 = makeButton(this, "Button2", {432, 264, 97, 41}, QStringLiteral("OK"));
    Button2->setEnabled(false);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(56, 376, 193, 21);
    Edit1->setMaxLength(players::kNameMax);
    auto* names = new players::Cp1250Validator(Edit1);
    Edit1->setValidator(names);
    connect(names, &players::Cp1250Validator::dropped, this, [this](const QString& gone) { nameCharsDropped(gone); });
    Edit1->hide();
    Button3 = makeButton(this, "Button3", {264, 374, 105, 25}, QString::fromUtf8("Hozzáadás"));
    Button3->hide();
    Button4 = makeButton(this, "Button4", {376, 374, 81, 25}, QString::fromUtf8("Mégsem"));
    Button4->hide();

    setTabOrder(ListBox1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Edit1);
    setTabOrder(Edit1, Button3);
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Button5);
    setTabOrder(Button5, CheckBox1);

    // Each handler runs under the runtime's error report.
    auto run = [this](void (TForm3::*handler)()) {
        return [this, handler] { platform::guard([this, handler] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, run(&TForm3::Button1Click));
    connect(Button2, &QPushButton::clicked, this, run(&TForm3::Button2Click));
    connect(Button3, &QPushButton::clicked, this, run(&TForm3::Button3Click));
    connect(Button4, &QPushButton::clicked, this, run(&TForm3::Button4Click));
    connect(Button5, &QPushButton::clicked, this, run(&TForm3::Button5Click));
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, run(&TForm3::ListBox1Click));
    // The window closes on the double click's release, not its press: closed
    // on the press, the release goes nowhere and the desktop keeps the button
    // held, so the game window would get no pointer moves until a click.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { dblClickPending_ = true; });
    ListBox1->viewport()->installEventFilter(this);
}

bool TForm3::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ListBox1->viewport() && e->type() == QEvent::MouseButtonRelease && dblClickPending_) {
        dblClickPending_ = false;
        platform::guard([this] { ListBox1DblClick(); });
    }
    return QDialog::eventFilter(watched, e);
}

void TForm3::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { FormShow(); });
}

void TForm3::FormShow()
{
    Button5->setEnabled(false);
    Button2->setEnabled(false);
    Edit1->hide();
    Button3->hide();
    Button4->hide();
    selectedPlayer = 0;
    dblClickPending_ = false;
    try {
        readRoster();
    } catch (const platform::RuntimeError& e) {
        // The window still opens, with whatever could be listed.
        platform::reportError(e.message());
    }
    rebuildList();
    Button1->setEnabled(rosterReadable_ && roster.playerCount < players::kMaxPlayers);
    CheckBox1->hide();
    CheckBox1->setChecked(false);
}

void TForm3::readRoster()
{
    const QString path = rosterPath();
    char bytes[players::kRosterBytes];
    roster = players::RosterRecord();
    rosterReadable_ = true;
    bool opened = false;
    try {
        opened = platform::readRecord(path, bytes, sizeof bytes);
    } catch (const platform::RuntimeError&) {
        // A file too short to hold the roster is damaged beyond use, and the
        // next save replaces it; anything else (a read error, a folder in its
        // place) may pass, so the file is left alone.
        const QFileInfo info(path);
        rosterReadable_ = info.isFile() && info.size() < players::kRosterBytes;
        throw;
    }
    if (opened) {
        roster = players::decodeRoster(bytes);
        return;
    }
    const int err = errno;
    if (QFileInfo::exists(path)) {
        // Only a missing roster is created anew: one we may not read is not
        // overwritten with an empty one.
        rosterReadable_ = false;
        platform::raiseIoError(err != 0 && err != ENOENT ? err : EACCES);
    }
    FajlIr();
}

void TForm3::rebuildList()
{
    // Filling the list is no change of the player's selection.
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (int k = 1; k <= roster.playerCount; ++k) {
        auto* item = new QListWidgetItem(players::entryText(roster.slot(k)), ListBox1);
        item->setSizeHint(QSize(0, 13));
    }
}

void TForm3::FajlIr()
{
    const QByteArray bytes = players::encodeRoster(roster);
    platform::writeRecordAtomic(rosterPath(), bytes.constData(), bytes.size());
}

void TForm3::saveRoster(const players::RosterRecord& changed)
{
    // A failed save leaves the roster as the file still has it, so the list
    // never shows, and no later save writes, a change the file lacks.
    const players::RosterRecord previous = roster;
    roster = changed;
    try {
        FajlIr();
    } catch (...) {
        roster = previous;
        throw;
    }
}

players::PlayerRecord& TForm3::currentPlayer()
{
    if (selectedPlayer >= 1 && selectedPlayer <= roster.playerCount)
        return roster.slot(selectedPlayer);
    nobody_ = players::PlayerRecord();
    return nobody_;
}

int TForm3::selectedIndex() const
{
    const QList<QListWidgetItem*> items = ListBox1->selectedItems();
    return items.isEmpty() ? -1 : ListBox1->row(items.first());
}

void TForm3::Button1Click()
{
    if (!rosterReadable_ || roster.playerCount >= players::kMaxPlayers)
        return;
    Edit1->clear();
    Edit1->show();
    Button3->show();
    Button4->show();
    Button1->setEnabled(false);
    Edit1->setFocus();
}

void TForm3::Button3Click()
{
    if (Edit1->text().isEmpty() || !rosterReadable_)
        return;
    saveRoster(players::withPlayerAdded(roster, Edit1->text()));
    FormShow();
}

void TForm3::Button4Click()
{
    Button1->setEnabled(true);
    Button3->hide();
    Button4->hide();
    Edit1->hide();
}

void TForm3::Button5Click()
{
    if (CheckBox1->isHidden() || !CheckBox1->isChecked()) {
        CheckBox1->setHidden(!CheckBox1->isHidden());
        return;
    }
    const int k = selectedIndex() + 1;
    if (k < 1 || !rosterReadable_)
        return;
    saveRoster(players::withPlayerRemoved(roster, k));
    FormShow();
}

void TForm3::ListBox1Click()
{
    const int i = selectedIndex();
    Button2->setEnabled(i >= 0 && !ListBox1->item(i)->text().contains(players::finishedMark()));
    Button5->setEnabled(i >= 0);
}

void TForm3::Button2Click()
{
    const int i = selectedIndex();
    if (!Button2->isEnabled() || i < 0)
        return;
    selectedPlayer = quint8(i + 1);
    accept();
}

void TForm3::ListBox1DblClick() { Button2Click(); }

QString TForm3::droppedCharsNote(const QString& gone)
{
    QStringList each;
    for (int i = 0; i < gone.size();) {
        const int len = gone.at(i).isHighSurrogate() && i + 1 < gone.size() ? 2 : 1;
        each << gone.mid(i, len);
        i += len;
    }
    return QString::fromUtf8("A név ezeket a jeleket nem tárolhatja, kimaradtak: %1").arg(each.join(QLatin1Char(' ')));
}

void TForm3::nameCharsDropped(const QString& gone)
{
    // Said beside the box, without a window that would take the focus.
    QToolTip::showText(Edit1->mapToGlobal(QPoint(0, Edit1->height())), droppedCharsNote(gone), Edit1);
}
