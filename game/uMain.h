#pragma once
#include "app/lazyform.h"
#include <QRegion>
#include <QWidget>
#include <array>
#include <memory>

#include "game/levelrecord.h"
#include "game/roundstate.h"
#include "sound/musicplayer.h"

class QLabel;
namespace platform { class Image; class Shape; class Gauge; class Timer; }

// The game window: one level at a time, two pictures side by side.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Codes of the pointer's position as the caption-button guard sees them.
    enum HitCode { HTCLIENT = 1, HTCAPTION = 2, HTMINBUTTON = 8, HTMAXBUTTON = 9, HTCLOSE = 20 };

    // Loading a level.
    void FormShow();
    void SzintFeltolt(int n);
    // Regions and hits.
    void AlakzatEpites();
    void AlakzatLebontas();
    void ShapeMouseDown(platform::Shape* region);
    void balkepClick();
    void PottyRajzol(std::uint8_t r);
    // Clock, penalty and pause.
    void Timer1Timer();
    void buntimerTimer();
    void villtimerTimer();
    void Image3Click();
    void CheckPause();
    void inActTimerTimer();
    void inActTimer2Timer();
    // Help.
    void Image2Click();
    void SegitsegKiiras();
    // Level end.
    void DelayTimerTimer();
    void timeUp();
    void FormClose();
    void JatekosEredmenyMent();
    void Label10MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods);
    // Pointer tracking.
    void balkepMouseMove(QPoint p);
    void jobbkepMouseMove(QPoint p);
    void LeftShapeMouseMove(platform::Shape* region, QPoint p);
    void RightShapeMouseMove(platform::Shape* region, QPoint p);
    void Image1MouseMove();
    void FormActivate();
    void guardHitTest(int hit);
    // Sound effects obey the sound setting.
    void Hang(const QString& name);

    // Controls, bottom to top.
    platform::Image* Image1;
    platform::Image* balkep;
    platform::Image* jobbkep;
    platform::Shape* Shape1;
    QLabel* Label1;
    QLabel* Label2;
    platform::Shape* Shape2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* lblkulonbseg;
    platform::Shape* Shape3;
    platform::Gauge* Gauge1;
    QLabel* Label5;
    QLabel* lblora;
    platform::Image* Image2;
    QLabel* Label7;
    QLabel* Label8;
    platform::Image* Image3;
    platform::Image* nemaktiv_help;
    platform::Image* aktiv_help;
    platform::Image* Image4;
    platform::Shape* Shape4;
    QLabel* Label6;
    QLabel* Label9;
    QLabel* Label10;
    platform::Image* Image5;
    platform::Shape* Shape5;
    platform::Shape* Jelolo;
    sound::MusicPlayer MediaPlayer1{false};

    platform::Timer* Timer1;
    platform::Timer* buntimer;
    platform::Timer* DelayTimer;
    platform::Timer* villtimer;
    platform::Timer* inActTimer;
    platform::Timer* inActTimer2;

    RoundState rs;
    std::unique_ptr<level::LevelRecord> levelData;
    std::array<std::array<platform::Shape*, 2>, level::kMaxDiffs> diffShapes{};
    std::array<platform::Shape*, level::kMaxDiffs> progressDots{};
    bool gameLive = false;

    // True while regions of a loaded level exist (false after a failed load).
    bool regionsBuilt() const { return builtCount_ > 0; }
    bool guardSuspended() const { return guardSuspended_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void buildTimers();
    void musicStop();
    void leaveToStart();
    void showStartWindow();
    std::uint8_t diffCount() const;
    int usedSeconds() const;
    bool loadLevelFile(std::uint8_t n);
    void failedLoad(int n, std::uint8_t before);
    void showCaption(int n);
    platform::Shape* regionControl(int k, int side); // made once, reused by every level
    platform::Shape* progressDot(int k);
    QWidget* regionLayer();
    void setRegionsVisible(bool visible);
    QWidget* regionLayer_ = nullptr;
    QRegion regionArea_; // the regions' squares on the layer
    QRegion dotArea_;    // the progress dots'
    std::array<std::array<platform::Shape*, 2>, level::kMaxDiffs> regionPool_{};
    std::array<platform::Shape*, level::kMaxDiffs> dotPool_{};
    std::unique_ptr<level::LevelRecord> spareRecord_; // the next load reads into it
    int builtCount_ = 0;          // regions built by the last load
    bool guardSuspended_ = false; // pictures hidden by the caption-button guard
    bool accounted_ = false;      // this attempt's seconds are already counted
};

extern LazyForm<TForm1> Form1;
