#include "editor/editorwindow.h"

#include "editor/automaker.h"
#include "editor/cropview.h"
#include "editor/cvimage.h"
#include "editor/maskedit.h"
#include "editor/pairfinder.h"
#include "editor/photo.h"
#include "editor/preview.h"
#include "editor/oldsaves.h"
#include "editor/trialplay.h"
#include "game/levelset.h"
#include "platform/modal.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace editor {

namespace {
// Qt's own dialogs speak the Hungarian of Qt's translation; a desktop's
// native one would speak the desktop's language.
const QFileDialog::Options kDialogOptions = QFileDialog::DontUseNativeDialog;
const char* kPhotoFilter = "Képek (*.jpg *.jpeg *.png *.bmp *.webp *.tif *.tiff);;Minden fájl (*)";

// A yes-or-no question as a modal window the tests can answer by name.
bool ask(QWidget* parent, const QString& name, const QString& title, const QString& text, const QString& yes)
{
    QDialog dlg(parent);
    dlg.setObjectName(name);
    dlg.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dlg);
    auto* label = new QLabel(text, &dlg);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(&dlg);
    buttons->addButton(yes, QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("Mégse"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
    return platform::showModal(&dlg) == platform::mrOk;
}

QIcon swatch(const QColor& c)
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, 3));
    p.drawEllipse(QRectF(2.5, 2.5, 13, 13));
    return QIcon(pm);
}

// The difference and its surroundings, left and right, for the list.
QIcon thumbnail(const QImage& left, const QImage& right, const Difference& x)
{
    const QRect around(x.point.x() - 16, x.point.y() - 16, 32, 32);
    QPixmap pm(2 * 48 + 4, 48);
    pm.fill(QColor(0x3B, 0x2A, 0x1E));
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, 48, 48), left, around);
    p.drawImage(QRect(52, 0, 48, 48), right, around);
    return QIcon(pm);
}
} // namespace

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QString::fromUtf8("Kovra 2 – pályaszerkesztő"));
    setAcceptDrops(true);
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    cropView = new CropView(central);
    preview = new Preview(central);
    row->addWidget(cropView, 1);
    row->addWidget(preview, 0, Qt::AlignTop);
    row->addWidget(buildSidePanel(), 0);
    // On a small or scaled screen the window scrolls rather than hide its buttons.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(central);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    setCentralWidget(scroller);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1400, 760);
    resize(std::min(1400, screen.width() - 40), std::min(720, screen.height() - 60));
    status = new QLabel(this);
    // Why a photo gave fewer differences is a sentence or two: it wraps rather than run off the edge.
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(status, 1);
    buildMenus();
    preview->setDraft(&draft_);
    connect(cropView, &CropView::frameChanged, this, [this](QRect) { reframe(); });
    connect(preview, &Preview::spotClicked, this, &EditorWindow::addAt);
    connect(preview, &Preview::maskPainted, this, &EditorWindow::addMasked);
    say(QString::fromUtf8("Nyiss meg egy fényképet: Fájl → Fénykép megnyitása, vagy húzd az ablakba."));
    refresh();
}

void EditorWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("&Fájl"));
    file->addAction(QString::fromUtf8("Fénykép &megnyitása…"), QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8("Fénykép megnyitása"), {},
                                                          QString::fromUtf8(kPhotoFilter), nullptr, kDialogOptions);
        if (!path.isEmpty())
            openPhoto(path);
    });
    file->addAction(QString::fromUtf8("&Két kép összevetése…"), this, [this] {
        const QString a = QFileDialog::getOpenFileName(this, QString::fromUtf8("Az eredeti kép"), {}, QString::fromUtf8(kPhotoFilter),
                                                       nullptr, kDialogOptions);
        if (a.isEmpty())
            return;
        const QString b = QFileDialog::getOpenFileName(this, QString::fromUtf8("A szerkesztett kép"), QFileInfo(a).path(),
                                                       QString::fromUtf8(kPhotoFilter), nullptr, kDialogOptions);
        if (!b.isEmpty())
            openPair(a, b);
    });
    file->addSeparator();
    file->addAction(QString::fromUtf8("Mentés &pályaként"), QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { saveAsLevel(); });
    file->addAction(QString::fromUtf8("Mentés má&sként…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] { saveAsAsked(); });
    file->addAction(QString::fromUtf8("Saját pályák &lejátszása"), this, [this] { playOwnLevels(); });
    file->addAction(QString::fromUtf8("Régi mentések áthelyezése…"), this, [this] {
        if (findOldSaves().empty())
            say(QString::fromUtf8("A játék DATA mappájában nincs korábban mentett saját pálya."));
        else
            offerOldSaves();
    });
    file->addSeparator();
    file->addAction(QString::fromUtf8("&Kilépés"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);
}

QWidget* EditorWindow::buildSidePanel()
{
    auto* panel = new QWidget;
    panel->setFixedWidth(300);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);

    auto* autoBox = new QGroupBox(QString::fromUtf8("Automatikus különbségek"), panel);
    auto* form = new QFormLayout(autoBox);
    countBox = new QSpinBox(autoBox);
    countBox->setRange(1, 25);
    countBox->setValue(7);
    seedBox = new QSpinBox(autoBox);
    seedBox->setRange(0, 999999);
    seedBox->setValue(1);
    form->addRow(QString::fromUtf8("Darabszám:"), countBox);
    form->addRow(QString::fromUtf8("Mag:"), seedBox);
    makeButton = new QPushButton(QString::fromUtf8("Különbségek készítése"), autoBox);
    form->addRow(makeButton);
    v->addWidget(autoBox);

    auto* handBox = new QGroupBox(QString::fromUtf8("Kézi különbség"), panel);
    auto* hv = new QVBoxLayout(handBox);
    kindBox = new QComboBox(handBox);
    for (int i = 0; i < kEditKinds; ++i)
        kindBox->addItem(editTitle(EditKind(i)), QString::fromLatin1(editName(EditKind(i))));
    hv->addWidget(kindBox);
    auto* hint = new QLabel(QString::fromUtf8("Kattints a jobb oldali képen oda, ahol legyen."), handBox);
    hint->setWordWrap(true);
    hv->addWidget(hint);
    paintBox = new QCheckBox(QString::fromUtf8("Maszk festése"), handBox);
    paintBox->setToolTip(QString::fromUtf8("Fesd be a jobb oldali képen, ami változzon (a kezdőpont körüli 20 x 20-as négyzetben); "
                                           "a festés végén elkészül a választott változtatás."));
    hv->addWidget(paintBox);
    maskKindBox = new QComboBox(handBox);
    for (int i = 0; i < kMaskEdits; ++i)
        maskKindBox->addItem(maskEditTitle(MaskEdit(i)), QString::fromLatin1(maskEditName(MaskEdit(i))));
    maskKindBox->setEnabled(false);
    hv->addWidget(maskKindBox);
    v->addWidget(handBox);

    ringsBox = new QCheckBox(QString::fromUtf8("Karikák a különbségeken"), panel);
    ringsBox->setChecked(true);
    ringsBox->setToolTip(QString::fromUtf8("Kikapcsolva úgy látod a pályát, ahogy a játékos először."));
    v->addWidget(ringsBox);
    list = new QListWidget(panel);
    list->setIconSize(QSize(100, 48));
    v->addWidget(list, 1);
    auto* listButtons = new QHBoxLayout;
    rerollButton = new QPushButton(QString::fromUtf8("Újra"), panel);
    rerollButton->setToolTip(QString::fromUtf8("A kijelölt különbséget, vagy ha nincs kijelölés, mindet újra készíti."));
    removeButton = new QPushButton(QString::fromUtf8("Törlés"), panel);
    listButtons->addWidget(rerollButton);
    listButtons->addWidget(removeButton);
    v->addLayout(listButtons);

    markerButton = new QPushButton(panel);
    v->addWidget(markerButton);

    auto* saveBox = new QGroupBox(QString::fromUtf8("Mentés"), panel);
    auto* sf = new QFormLayout(saveBox);
    levelBox = new QSpinBox(saveBox);
    levelBox->setToolTip(QString::fromUtf8("A saját pályáid között ennyiedik lesz; a legnagyobb szám új pályát ad, "
                                           "a többi lecseréli a meglévőt. A játék eredeti pályái nem változnak."));
    sf->addRow(QString::fromUtf8("Saját pálya száma:"), levelBox);
    saveButton = new QPushButton(QString::fromUtf8("Mentés pályaként"), saveBox);
    saveAsButton = new QPushButton(QString::fromUtf8("Mentés másként…"), saveBox);
    trialButton = new QPushButton(QString::fromUtf8("Próbajáték"), saveBox);
    sf->addRow(trialButton);
    sf->addRow(saveButton);
    sf->addRow(saveAsButton);
    playOwnButton = new QPushButton(QString::fromUtf8("Saját pályák lejátszása"), saveBox);
    playOwnButton->setToolTip(QString::fromUtf8("A játék a saját pályáidat játssza, külön játékoslistával."));
    sf->addRow(playOwnButton);
    v->addWidget(saveBox);
    updateLevelRange(true);

    connect(makeButton, &QPushButton::clicked, this, &EditorWindow::makeDifferencesClicked);
    connect(rerollButton, &QPushButton::clicked, this, &EditorWindow::rerollClicked);
    connect(removeButton, &QPushButton::clicked, this, &EditorWindow::removeClicked);
    connect(markerButton, &QPushButton::clicked, this, &EditorWindow::pickMarker);
    connect(saveButton, &QPushButton::clicked, this, [this] { saveAsLevel(); });
    connect(saveAsButton, &QPushButton::clicked, this, [this] { saveAsAsked(); });
    connect(trialButton, &QPushButton::clicked, this, &EditorWindow::trialPlay);
    connect(playOwnButton, &QPushButton::clicked, this, [this] { playOwnLevels(); });
    connect(list, &QListWidget::currentRowChanged, preview, &Preview::setSelected);
    connect(paintBox, &QCheckBox::toggled, preview, &Preview::setPainting);
    connect(paintBox, &QCheckBox::toggled, maskKindBox, &QWidget::setEnabled);
    connect(ringsBox, &QCheckBox::toggled, preview, &Preview::setRingsShown);
    // A scaled or small screen scrolls the panel rather than hide its buttons.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(panel);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFixedWidth(panel->width() + scroller->verticalScrollBar()->sizeHint().width());
    scroller->setWidgetResizable(true);
    return scroller;
}

void EditorWindow::say(const QString& text, bool problem)
{
    status->setText(text);
    // A dark red is hard to read on a dark theme; there it is a light one.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    status->setStyleSheet(!problem ? QString()
                          : dark   ? QStringLiteral("color: #FF7A6E; font-weight: bold")
                                   : QStringLiteral("color: #B0201A; font-weight: bold"));
    fitStatus();
}

// A wrapped label asks for the height of a narrow guess; give it the lines it needs at the width it has.
void EditorWindow::fitStatus()
{
    const int width = std::max(status->width(), statusBar()->width() - 24);
    status->setMinimumHeight(0); // the label's answer never goes below its own minimum
    status->setFixedHeight(status->heightForWidth(std::max(width, 100)));
}

void EditorWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    fitStatus();
}

bool EditorWindow::confirmUpscale(const QRect& frame)
{
    return ask(this, QStringLiteral("upscaleQuestion"), QString::fromUtf8("Kicsi kép"),
               QString::fromUtf8("A kép (vagy a keret) csak %1 x %2 képpont, a pálya 354 x 482. "
                                 "Felnagyítva elmosódott lesz. Felnagyítsam?")
                   .arg(frame.width()).arg(frame.height()),
               QString::fromUtf8("Felnagyítás"));
}

bool EditorWindow::hasUnsavedDifferences() const
{
    return !draft_.diffs.empty() && (differenceLines(draft_) != savedLines_ || draft_.marker != savedMarker_);
}

void EditorWindow::markSaved()
{
    savedLines_ = differenceLines(draft_);
    savedMarker_ = draft_.marker;
}

bool EditorWindow::confirmDiscard()
{
    if (!hasUnsavedDifferences())
        return true;
    return ask(this, QStringLiteral("discardQuestion"), QString::fromUtf8("Mentetlen különbségek"),
               QString::fromUtf8("A pálya %1 különbsége még nincs elmentve. Elveted őket?").arg(draft_.diffs.size()),
               QString::fromUtf8("Elvetés"));
}

bool EditorWindow::openPhoto(const QString& path)
{
    if (!confirmDiscard())
        return false;
    const Photo p = loadPhoto(path);
    if (!p.ok()) {
        platform::messageBox(this, p.error, QString::fromUtf8("Fénykép megnyitása"), platform::MsgIcon::Error);
        return false;
    }
    if (needsUpscale(defaultFrame(p.image.size())) && !confirmUpscale(defaultFrame(p.image.size())))
        return false;
    pairMode_ = false;
    edited_ = QImage();
    cropView->setPhoto(p.image);
    setWindowTitle(QString::fromUtf8("Kovra 2 – pályaszerkesztő – %1").arg(QFileInfo(path).fileName()));
    reframe();
    updateLevelRange(true);
    say(QString::fromUtf8("Állítsd be a keretet (görgő, húzás), majd: Különbségek készítése."));
    return true;
}

bool EditorWindow::openPair(const QString& original, const QString& edited)
{
    if (!confirmDiscard())
        return false;
    const Photo a = loadPhoto(original), b = loadPhoto(edited);
    const QString error = !a.ok() ? a.error
                          : !b.ok() ? b.error
                          : a.image.size() != b.image.size()
                              ? QString::fromUtf8("A két kép mérete különbözik (%1 x %2 és %3 x %4).")
                                    .arg(a.image.width()).arg(a.image.height()).arg(b.image.width()).arg(b.image.height())
                              : QString();
    if (!error.isEmpty()) {
        platform::messageBox(this, error, QString::fromUtf8("Két kép összevetése"), platform::MsgIcon::Error);
        return false;
    }
    if (needsUpscale(defaultFrame(a.image.size())) && !confirmUpscale(defaultFrame(a.image.size())))
        return false;
    pairMode_ = true;
    edited_ = b.image;
    cropView->setPhoto(a.image);
    setWindowTitle(QString::fromUtf8("Kovra 2 – pályaszerkesztő – %1 és %2").arg(QFileInfo(original).fileName(), QFileInfo(edited).fileName()));
    reframe();
    updateLevelRange(true);
    return true;
}

// "Mentés másként" from the menu or the button: a path asked, then saved there.
void EditorWindow::saveAsAsked()
{
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Mentés másként"), QStringLiteral("001.DAT"),
                                                      QString::fromUtf8("Pályafájl (*.DAT)"), nullptr, kDialogOptions);
    if (!path.isEmpty())
        saveAs(path);
}

void EditorWindow::reframe()
{
    const QImage& photo = cropView->photo();
    if (photo.isNull())
        return;
    const QRect frame = cropView->frame();
    const cv::Mat left = toMat(frameToLevel(photo, frame));
    if (pairMode_) {
        draft_ = findDifferences(left, toMat(frameToLevel(edited_, frame)));
        const QString problem = saveProblem(draft_);
        QString text = problem.isEmpty() ? QString::fromUtf8("%1 különbséget találtam.").arg(draft_.diffs.size())
                                         : QString::fromUtf8("%1 különbség – %2").arg(draft_.diffs.size()).arg(problem);
        if (!draft_.skipped.isEmpty())
            text += QString::fromUtf8(" Kimaradt %1 halvány változás: %2.").arg(draft_.skipped.size()).arg(draft_.skipped.join(QStringLiteral("; ")));
        say(text, !problem.isEmpty());
    } else {
        const bool had = !draft_.diffs.empty();
        draft_ = Draft{left, left.clone(), {}, {}, {}};
        if (had)
            say(QString::fromUtf8("Új keret: a különbségeket újra kell készíteni."));
    }
    if (markerChosen_ && draft_.diffs.empty())
        markerChosen_ = false;
    refresh();
}

std::uint64_t EditorWindow::nextSeed() { return std::uint64_t(seedBox->value()) * 1000003u + ++rolls_; }

void EditorWindow::makeDifferencesClicked()
{
    if (draft_.left.empty())
        return;
    pairMode_ = false;
    QString why;
    const int asked = countBox->value();
    const int made = makeDifferences(draft_, asked, std::uint64_t(seedBox->value()), &why);
    if (made <= 0) {
        say(made < 0 ? why : QString::fromUtf8("Nem készült különbség: %1.").arg(why), true);
    } else if (made < asked) {
        // Never padded with crude edits: the photo's own number is offered instead.
        countBox->setValue(made);
        say(QString::fromUtf8("Csak %1 különbség készült: %2. A darabszám ennyire állt; "
                              "más keret vagy több apró részletet mutató fénykép többet adhat.").arg(made).arg(why), true);
    } else {
        say(QString::fromUtf8("%1 különbség kész. Kattints a jobb képre kézi különbségért, vagy próbáld ki.").arg(made));
    }
    markerChosen_ = false;
    refresh();
}

void EditorWindow::rerollClicked()
{
    if (draft_.left.empty())
        return;
    const int row = list->currentRow();
    if (row < 0) { // all of them, from the next seed
        seedBox->setValue(seedBox->value() + 1);
        makeDifferencesClicked();
        return;
    }
    QString why;
    if (!rerollDifference(draft_, row, nextSeed(), &why))
        say(why, true);
    refresh();
    list->setCurrentRow(row);
}

void EditorWindow::removeClicked()
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    removeDifference(draft_, row);
    refresh();
}

void EditorWindow::addAt(QPoint spot)
{
    EditKind kind;
    if (!editFromName(kindBox->currentData().toString(), kind))
        return;
    QString why;
    if (!addDifferenceAt(draft_, spot, kind, nextSeed(), &why)) {
        say(QString::fromUtf8("Itt nem készült különbség: %1.").arg(why), true);
        return;
    }
    say(QString::fromUtf8("Kézi különbség: %1.").arg(editTitle(kind)));
    refresh();
    list->setCurrentRow(int(draft_.diffs.size()) - 1);
}

void EditorWindow::addMasked(const QRect& square, const cv::Mat& mask)
{
    const auto kind = MaskEdit(std::clamp(maskKindBox->currentIndex(), 0, kMaskEdits - 1));
    QString why;
    if (!addMaskedDifference(draft_, square, mask, kind, nextSeed(), &why)) {
        say(QString::fromUtf8("A festett foltból nem lett különbség: %1.").arg(why), true);
        return;
    }
    say(QString::fromUtf8("Festett különbség: %1.").arg(maskEditTitle(kind)));
    refresh();
    list->setCurrentRow(int(draft_.diffs.size()) - 1);
}

void EditorWindow::pickMarker()
{
    const QColor c = QColorDialog::getColor(draft_.marker, this, QString::fromUtf8("A jelölőkarika színe"));
    if (!c.isValid())
        return;
    draft_.marker = c;
    markerChosen_ = true;
    refresh();
}

void EditorWindow::refresh()
{
    if (!markerChosen_ && !draft_.diffs.empty() && !draft_.left.empty())
        draft_.marker = autoMarker(draft_);
    const int row = list->currentRow();
    list->clear();
    // Both pictures converted once for all the thumbnails, not twice for each.
    const QImage left = draft_.diffs.empty() ? QImage() : toImage(draft_.left);
    const QImage right = draft_.diffs.empty() ? QImage() : toImage(draft_.right);
    for (size_t k = 0; k < draft_.diffs.size(); ++k) {
        const Difference& x = draft_.diffs[k];
        EditKind kind;
        const QString title = editFromName(x.kind, kind) ? editTitle(kind) : QString::fromUtf8("Talált eltérés");
        auto* item = new QListWidgetItem(thumbnail(left, right, x),
                                         QString::fromUtf8("%1. %2\n(%3, %4), %5 képpont").arg(k + 1).arg(title)
                                             .arg(x.point.x()).arg(x.point.y()).arg(x.changed), list);
        if (!x.clickable) {
            item->setForeground(QColor(200, 20, 20));
            item->setToolTip(QString::fromUtf8("Nagyobb a 20 x 20-as kattintási négyzetnél: aki a szélére kattint, "
                                               "büntetést kap. Kisebb változtatás kell."));
        }
    }
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row);
    const bool havePicture = !draft_.left.empty();
    const bool haveDiffs = !draft_.diffs.empty();
    makeButton->setEnabled(havePicture);
    rerollButton->setEnabled(haveDiffs && !pairMode_);
    removeButton->setEnabled(haveDiffs);
    markerButton->setEnabled(haveDiffs);
    markerButton->setIcon(swatch(draft_.marker.isValid() ? draft_.marker : QColor(Qt::gray)));
    markerButton->setText(QString::fromUtf8("Jelölőszín: %1%2").arg(draft_.marker.isValid() ? draft_.marker.name() : QStringLiteral("–"),
                                                                    markerChosen_ ? QString() : QString::fromUtf8(" (automatikus)")));
    saveButton->setEnabled(haveDiffs);
    saveAsButton->setEnabled(haveDiffs);
    trialButton->setEnabled(haveDiffs && !TrialPlay::running());
    preview->setSelected(list->currentRow());
    preview->update();
}

QByteArray EditorWindow::recordOrComplain()
{
    QString why;
    const QByteArray rec = encodeDraft(draft_, &why);
    if (rec.isEmpty())
        platform::messageBox(this, QString::fromUtf8("Így nem menthető: %1.").arg(why), QString::fromUtf8("Mentés"),
                             platform::MsgIcon::Warning);
    return rec;
}

bool EditorWindow::saveAsLevel()
{
    const QByteArray rec = recordOrComplain();
    if (rec.isEmpty())
        return false;
    const int n = levelBox->value();
    const QString path = levelPath(n);
    const bool exists = QFileInfo::exists(path);
    if (exists && !ask(this, QStringLiteral("replaceQuestion"), QString::fromUtf8("Mentés pályaként"),
                       QString::fromUtf8("A(z) %1. saját pálya már megvan (%2). Lecseréljem? A régi %3.bak néven megmarad.")
                           .arg(n).arg(path, QFileInfo(path).fileName()),
                       QString::fromUtf8("Lecserélem")))
        return false;
    QString why;
    if (!writeLevel(path, rec, exists, &why)) {
        platform::messageBox(this, why, QString::fromUtf8("Mentés"), platform::MsgIcon::Error);
        return false;
    }
    say(QString::fromUtf8("Elmentve a saját pályáid közé: %1. saját pálya (%2).").arg(n).arg(path));
    markSaved();
    updateLevelRange(false);
    return true;
}

bool EditorWindow::saveAs(const QString& path)
{
    const QByteArray rec = recordOrComplain();
    if (rec.isEmpty())
        return false;
    QString why;
    if (!writeLevel(path, rec, false, &why)) {
        platform::messageBox(this, why, QString::fromUtf8("Mentés másként"), platform::MsgIcon::Error);
        return false;
    }
    say(QString::fromUtf8("Elmentve: %1").arg(path));
    markSaved();
    return true;
}

void EditorWindow::trialPlay()
{
    const QByteArray rec = recordOrComplain();
    if (rec.isEmpty())
        return;
    QString why;
    if (!TrialPlay::start(rec, levelBox->value(), [this] {
            setEnabled(true);
            refresh();
            say(QString::fromUtf8("A próbajáték véget ért."));
        }, &why)) {
        say(why, true);
        return;
    }
    setEnabled(false); // the game's windows use their own scratch folder meanwhile
    say(QString::fromUtf8("Próbajáték fut a játék ablakában…"));
}

void EditorWindow::updateLevelRange(bool fresh)
{
    const int next = std::min(game::LevelSet::kMaxLevels, game::LevelSet::ownLevelCount() + 1);
    levelBox->setRange(1, next);
    if (fresh)
        levelBox->setValue(next);
}

bool EditorWindow::playOwnLevels()
{
    if (game::LevelSet::ownLevelCount() == 0) {
        say(QString::fromUtf8("Még nincs saját pályád: előbb mentsd el a pályát (Mentés pályaként)."), true);
        return false;
    }
    QString why;
    if (!startOwnLevelsGame(&why)) {
        platform::messageBox(this, why, QString::fromUtf8("Saját pályák lejátszása"), platform::MsgIcon::Error);
        return false;
    }
    say(QString::fromUtf8("A játék a saját pályáidat indítja, saját ablakában."));
    return true;
}

void EditorWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (oldSavesOffered_)
        return;
    oldSavesOffered_ = true;
    // After the window stands, so the question has it to sit on.
    QTimer::singleShot(0, this, [this] {
        if (!findOldSaves().empty())
            offerOldSaves();
    });
}

bool EditorWindow::offerOldSaves()
{
    const OldSaves saves = findOldSaves();
    if (saves.empty())
        return false;
    const QStringList names = saves.names();
    if (!ask(this, QStringLiteral("oldSavesQuestion"), QString::fromUtf8("Korábbi mentések"),
             QString::fromUtf8("A pályakészítő korábbi változata a játék DATA mappájába mentett, és ezek a pályák "
                               "a játék eredeti pályái helyén vannak:\n%1\n\nÁthelyezzem őket a saját pályáid közé "
                               "(%2)? Ott külön sorozatként játszhatod őket, és a játék eredeti pályái visszakerülnek.")
                 .arg(names.join(QStringLiteral(", ")), levelFolder()),
             QString::fromUtf8("Áthelyezés")))
        return false;
    QStringList moved;
    QString why;
    if (!moveOldSaves(saves, &moved, &why)) {
        platform::messageBox(this, QString::fromUtf8("Az áthelyezés nem sikerült: %1").arg(why), QString::fromUtf8("Korábbi mentések"),
                             platform::MsgIcon::Error);
        updateLevelRange(false);
        return false;
    }
    updateLevelRange(draft_.diffs.empty());
    say(QString::fromUtf8("%1 korábbi mentés átkerült a saját pályáid közé.").arg(moved.size()));
    return true;
}

void EditorWindow::closeEvent(QCloseEvent* e)
{
    // The trial reports back to this window when it ends: it must outlive it.
    if (TrialPlay::running()) {
        say(QString::fromUtf8("Előbb zárd be a próbajátékot."), true);
        e->ignore();
        return;
    }
    if (!confirmDiscard()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void EditorWindow::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void EditorWindow::dropEvent(QDropEvent* e)
{
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() == 2)
        openPair(urls[0].toLocalFile(), urls[1].toLocalFile());
    else if (!urls.isEmpty())
        openPhoto(urls[0].toLocalFile());
    e->acceptProposedAction();
}

} // namespace editor
