#pragma once
#include "app/lazyform.h"
#include <QWidget>

#include "sound/musicplayer.h"

class QPushButton;
class QLabel;
namespace platform { class Image; }
namespace menus { class ClickLabel; }

// The start window: the program's hub and main window. Closing it ends the
// program.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Shows the window and runs its show sequence after the first paint
    // instead of before it (the program's first showing).
    void showThenRunShowSequence();
    // True once a showing's sequence (title music, settings) has run.
    bool showSequenceDone() const { return showSequenceDone_; }

    void FormShow();
    void Button2Click(); // Játék indítása
    void Button6Click(); // Beállítások
    void Button5Click(); // Játékszabályok
    void Button1Click(); // Névjegy
    void Button4Click(); // Kilépés
    void Label2Click();
    void FormClose();

    platform::Image* Image1;
    QPushButton* Button2;
    QPushButton* Button6;
    QPushButton* Button5;
    QPushButton* Button1;
    QPushButton* Button4;
    QLabel* Label1;
    menus::ClickLabel* Label2;
    sound::MusicPlayer MediaPlayer1{true};

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void musicStop();
    void musicRestart();
    void warnIfUnwritable(); // once per run, at the first showing
    bool writeWarned_ = false;
    bool deferShowSequence_ = false; // the next showing waits for its first paint
    bool showSequencePending_ = false;
    bool showSequenceDone_ = false;
};

// The warning shown when the game cannot write into `dir`.
QString unwritableFolderText(const QString& dir);

// The maker's notice of the bottom left label, with the year and version.
QString makerNotice();

extern LazyForm<TForm2> Form2;
