// Without SDL_mixer on the machine (a package installed without its
// dependency) the game says why once on stderr and plays on in silence. Its
// own program: the library is looked for once per process.
#include "sound/audiodevice.h"
#include "sound/musicplayer.h"
#include "sound/sdlmixer.h"
#include "sound/soundchannel.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryFile>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

class TestSdlMissing : public QObject {
    Q_OBJECT
private slots:
    void missingLibraryIsSaidOnceAndSoundAndMusicStaySilent();
};

namespace {
// Everything written to stderr while it lives, kept in a file.
class StderrCapture {
public:
    StderrCapture()
    {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        QFile f(file_.fileName());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};
} // namespace

void TestSdlMissing::missingLibraryIsSaidOnceAndSoundAndMusicStaySilent()
{
    testsupport::GameDir dir;
    QFile piece(dir.file(QStringLiteral("tune.mp3")));
    QVERIFY(piece.open(QIODevice::WriteOnly));
    piece.write("not played anyway");
    piece.close();
    testsupport::MessageLog boxes;
    sound::sdl::setLibraryNameForTesting("libKovraNoSuchMixer-2.0.so.0");
    StderrCapture err;
    sound::SoundChannel::instance().play(QStringLiteral("talalat"));
    sound::MusicPlayer music(true);
    music.setFileName(dir.file(QStringLiteral("tune.mp3")));
    music.open(); // no box: without audio the game stays silent
    music.play();
    sound::SoundChannel::instance().play(QStringLiteral("hiba"));
    const QString said = err.text();
    QVERIFY(!sound::audio::isOpen());
    QVERIFY(!sound::sdl::loaded());
    QCOMPARE(music.mode(), sound::MusicPlayer::NotOpen);
    QVERIFY2(boxes.list.isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
    QCOMPARE(said.count(QLatin1Char('\n')), 1);
    QVERIFY2(said.contains(QStringLiteral("libKovraNoSuchMixer-2.0.so.0")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("libsdl2-mixer-2.0-0")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("hang és zene nélkül")), qPrintable(said));
}

QTEST_MAIN(TestSdlMissing)
#include "tst_sdlmissing.moc"
