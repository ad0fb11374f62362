#include "players/playerdialog.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "players/cp1250validator.h"
#include "platform/dialogstyle.h"
#include "players/roster.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>

PlayerDialog::PlayerDialog(players::PlayerStore& store, QWidget* parent) : QDialog(parent), store_(store)
{
    using namespace platform;
    setObjectName(QStringLiteral("PlayerDialog"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékos kiválasztása"));
    dialogstyle::setDialogFrame(this, true);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // no cancel button: Esc does nothing here
    setFont(windowFont());
    fixAndCentre(this, 600, 417);

    background = new Image(this);
    background->setGeometry(0, 0, 600, 417);
    background->setPicture(QPixmap(QStringLiteral(":/art/player_background.jpg")));

    playerList = new QListWidget(this);
    playerList->setObjectName(QStringLiteral("playerList"));
    playerList->setGeometry(72, 136, 297, 137);
    playerList->setSelectionMode(QAbstractItemView::SingleSelection);
    playerList->setUniformItemSizes(true);
    QPalette pal = playerList->palette();
    pal.setColor(QPalette::Base, QColor(216, 196, 165));
    pal.setColor(QPalette::Text, Qt::black);
    playerList->setPalette(pal);

    addButton = makeButton(this, "addButton", {72, 280, 137, 25}, QString::fromUtf8("+ Új játékos hozzáadása"));
    deleteButton = makeButton(this, "deleteButton", {232, 280, 137, 25}, QString::fromUtf8("Játékos törlése"));
    deleteButton->setEnabled(false);
    confirmDelete = new QCheckBox(QString::fromUtf8("Jelölje be, ha valóban törölni kívánja a játékost!"), this);
    confirmDelete->setObjectName(QStringLiteral("confirmDelete"));
    confirmDelete->setGeometry(232, 312, 249, 17);
    // Our face needs a few pixels more than the layout's; the card has room
    // to the right, and a clipped question is worse than a wider box.
    confirmDelete->resize(std::max(confirmDelete->width(), confirmDelete->sizeHint().width()), confirmDelete->height());
    confirmDelete->hide();
    okButton = makeButton(this, "okButton", {432, 264, 97, 41}, QStringLiteral("OK"));
    okButton->setEnabled(false);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setGeometry(56, 376, 193, 21);
    nameEdit->setMaxLength(players::kNameMax);
    auto* names = new players::Cp1250Validator(nameEdit);
    nameEdit->setValidator(names);
    connect(names, &players::Cp1250Validator::dropped, this, [this](const QString& gone) { nameCharsDropped(gone); });
    nameEdit->hide();
    confirmAddButton = makeButton(this, "confirmAddButton", {264, 374, 105, 25}, QString::fromUtf8("Hozzáadás"));
    confirmAddButton->hide();
    cancelAddButton = makeButton(this, "cancelAddButton", {376, 374, 81, 25}, QString::fromUtf8("Mégsem"));
    cancelAddButton->hide();

    setTabOrder(playerList, addButton);
    setTabOrder(addButton, okButton);
    setTabOrder(okButton, nameEdit);
    setTabOrder(nameEdit, confirmAddButton);
    setTabOrder(confirmAddButton, cancelAddButton);
    setTabOrder(cancelAddButton, deleteButton);
    setTabOrder(deleteButton, confirmDelete);

    // Each handler runs under the runtime's error report.
    auto run = [this](void (PlayerDialog::*handler)()) {
        return [this, handler] { platform::guard([this, handler] { (this->*handler)(); }); };
    };
    connect(addButton, &QPushButton::clicked, this, run(&PlayerDialog::addPlayerClicked));
    connect(okButton, &QPushButton::clicked, this, run(&PlayerDialog::okClicked));
    connect(confirmAddButton, &QPushButton::clicked, this, run(&PlayerDialog::confirmAddClicked));
    connect(cancelAddButton, &QPushButton::clicked, this, run(&PlayerDialog::cancelAddClicked));
    connect(deleteButton, &QPushButton::clicked, this, run(&PlayerDialog::deleteClicked));
    connect(playerList, &QListWidget::itemSelectionChanged, this, run(&PlayerDialog::selectionChanged));
    // The window closes on the double click's release, not its press: closed
    // on the press, the release goes nowhere and the desktop keeps the button
    // held, so the game window would get no pointer moves until a click.
    connect(playerList, &QListWidget::itemDoubleClicked, this, [this] { dblClickPending_ = true; });
    playerList->viewport()->installEventFilter(this);
}

bool PlayerDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == playerList->viewport() && e->type() == QEvent::MouseButtonRelease && dblClickPending_) {
        dblClickPending_ = false;
        platform::guard([this] { playerDoubleClicked(); });
    }
    return QDialog::eventFilter(watched, e);
}

void PlayerDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { reload(); });
}

void PlayerDialog::reload()
{
    deleteButton->setEnabled(false);
    okButton->setEnabled(false);
    nameEdit->hide();
    confirmAddButton->hide();
    cancelAddButton->hide();
    dblClickPending_ = false;
    try {
        store_.read();
    } catch (const platform::RuntimeError& e) {
        // The window still opens, with whatever could be listed.
        platform::reportError(e.message());
    }
    rebuildList();
    addButton->setEnabled(store_.readable() && store_.roster.playerCount < players::kMaxPlayers);
    confirmDelete->hide();
    confirmDelete->setChecked(false);
}

void PlayerDialog::rebuildList()
{
    // Filling the list is no change of the player's selection.
    const QSignalBlocker quiet(playerList);
    playerList->clear();
    for (int k = 1; k <= store_.roster.playerCount; ++k) {
        auto* item = new QListWidgetItem(players::entryText(store_.roster.slot(k), store_.lastLevel), playerList);
        item->setSizeHint(QSize(0, 13));
    }
}

int PlayerDialog::selectedIndex() const
{
    const QList<QListWidgetItem*> items = playerList->selectedItems();
    return items.isEmpty() ? -1 : playerList->row(items.first());
}

void PlayerDialog::addPlayerClicked()
{
    if (!store_.readable() || store_.roster.playerCount >= players::kMaxPlayers)
        return;
    nameEdit->clear();
    nameEdit->show();
    confirmAddButton->show();
    cancelAddButton->show();
    addButton->setEnabled(false);
    nameEdit->setFocus();
}

void PlayerDialog::confirmAddClicked()
{
    if (nameEdit->text().isEmpty() || !store_.readable())
        return;
    store_.replace(players::withPlayerAdded(store_.roster, nameEdit->text()));
    reload();
}

void PlayerDialog::cancelAddClicked()
{
    addButton->setEnabled(true);
    confirmAddButton->hide();
    cancelAddButton->hide();
    nameEdit->hide();
}

void PlayerDialog::deleteClicked()
{
    if (confirmDelete->isHidden() || !confirmDelete->isChecked()) {
        confirmDelete->setHidden(!confirmDelete->isHidden());
        return;
    }
    const int k = selectedIndex() + 1;
    if (k < 1 || !store_.readable())
        return;
    store_.replace(players::withPlayerRemoved(store_.roster, k));
    reload();
}

void PlayerDialog::selectionChanged()
{
    const int i = selectedIndex();
    okButton->setEnabled(i >= 0 && !playerList->item(i)->text().contains(players::finishedMark()));
    deleteButton->setEnabled(i >= 0);
}

void PlayerDialog::okClicked()
{
    const int i = selectedIndex();
    if (!okButton->isEnabled() || i < 0)
        return;
    store_.select(i + 1);
    accept();
}

void PlayerDialog::playerDoubleClicked() { okClicked(); }

QString PlayerDialog::droppedCharsNote(const QString& gone)
{
    QStringList each;
    for (int i = 0; i < gone.size();) {
        const int len = gone.at(i).isHighSurrogate() && i + 1 < gone.size() ? 2 : 1;
        each << gone.mid(i, len);
        i += len;
    }
    return QString::fromUtf8("A név ezeket a jeleket nem tárolhatja, kimaradtak: %1").arg(each.join(QLatin1Char(' ')));
}

void PlayerDialog::nameCharsDropped(const QString& gone)
{
    // Said beside the box, without a window that would take the focus.
    QToolTip::showText(nameEdit->mapToGlobal(QPoint(0, nameEdit->height())), droppedCharsNote(gone), nameEdit);
}
