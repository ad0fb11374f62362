#pragma once
// A media player for the MP3 music: one open piece, a position in
// milliseconds and a mode. Two exist, the start window's (automatic rewind on)
// and the game window's (off); they never play at once.
#include <QString>
#include <QStringList>

namespace sound {

class MusicPlayer {
public:
    enum Mode { NotOpen, Stopped, Playing, Paused };

    explicit MusicPlayer(bool autoRewind);
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void setFileName(const QString& path);
    QString fileName() const { return fileName_; }
    // Closes the open piece and opens the named file, stopped at the start.
    // Raises platform::RuntimeError with the audio system's text on failure.
    void open();
    void setStartPositionZero(); // the next play starts at the beginning
    void play();
    void stop();
    void pause();                // toggles playing and paused
    qint64 position() const;     // milliseconds
    void seek(qint64 ms);        // playing stops there; outside the piece nothing happens
    Mode mode() const;
    qint64 duration() const { return duration_; } // milliseconds, -1 when unknown
    bool autoRewind() const { return autoRewind_; }

    // Every command in order ("open /x/music/000.mp3", "play", "stop"...).
    QStringList log;

private:
    // The mixer has one music stream; the player that plays takes it.
    void startStream(qint64 fromMs);
    void releaseStream();
    bool ownsStream() const;
    void syncWithStream() const; // notices that the piece played to its end
    qint64 streamPosition() const;
    void freePiece();
    // The device closes in silence: free the piece, keep mode and position.
    void letGo();
    bool takeUpAgain(); // loads the piece again before it plays

    QString fileName_;
    bool autoRewind_;
    bool startAtZero_ = false;
    mutable Mode mode_ = NotOpen;
    mutable qint64 position_ = 0;
    qint64 duration_ = -1;
    void* impl_ = nullptr; // the open Mix_Music
    bool detached_ = false; // open, but the piece was let go while the device was closed
    int closingWatch_;
};

} // namespace sound
