#include "editor/oldsaves.h"

#include "editor/draft.h"
#include "game/levelrecord.h"
#include "game/levelset.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "tools/levelgen/pack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace editor {

namespace {
QByteArray recordOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(level::kRecordBytes);
}

// The DATA/ folder the old maker saved into: where the game writes.
QString playersDataDir() { return (platform::portable() ? platform::exeDir() : platform::playerDir()) + QStringLiteral("DATA/"); }

// NNN.DAT and NNN.DAT.bak of levels 1..100 in `dir`, by number.
std::map<int, std::pair<QString, QString>> levelFiles(const QString& dir)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{3})\\.DAT(\\.bak)?$"), QRegularExpression::CaseInsensitiveOption);
    std::map<int, std::pair<QString, QString>> out;
    for (const QString& f : QDir(dir).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(f);
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n < 1 || n > game::LevelSet::kMaxLevels)
            continue;
        (m.captured(2).isEmpty() ? out[n].first : out[n].second) = dir + f;
    }
    return out;
}
} // namespace

QStringList OldSaves::names() const
{
    QStringList out;
    for (const OldSave& s : files)
        out << QStringLiteral("DATA/") + QFileInfo(s.path).fileName();
    return out;
}

OldSaves findOldSaves()
{
    OldSaves found;
    const bool portable = platform::portable();
    for (const auto& [n, pair] : levelFiles(playersDataDir())) {
        const auto& [dat, bak] = pair;
        if (portable && (dat.isEmpty() || bak.isEmpty()))
            continue; // no mark of the maker: shipped, or copied in by hand
        // The shipped level as it was made: the generator's, byte for byte,
        // when it stood in this very folder.
        const QByteArray shipped = portable ? levelgen::generateLevel(n).record
                                            : recordOf(platform::contentFile(QStringLiteral("DATA/") + level::zeroes(std::uint8_t(n)) + QStringLiteral(".DAT")));
        bool any = false;
        for (const QString& path : {bak, dat}) {
            if (path.isEmpty() || recordOf(path) == shipped)
                continue;
            found.files.push_back({path, n, path == bak});
            any = true;
        }
        if (portable && any)
            found.restore.push_back(n);
    }
    return found;
}

bool moveOldSaves(const OldSaves& saves, QStringList* moved, QString* error)
{
    int next = game::LevelSet::ownLevelCount() + 1;
    if (next + int(saves.files.size()) - 1 > game::LevelSet::kMaxLevels) {
        *error = QString::fromUtf8("A saját pályák közé legfeljebb %1 pálya fér.").arg(game::LevelSet::kMaxLevels);
        return false;
    }
    // Every copy first: nothing leaves DATA/ before all of them are in place.
    for (const OldSave& s : saves.files) {
        const QByteArray bytes = recordOf(s.path);
        const QString to = levelPath(next);
        QString why;
        if (bytes.size() != level::kRecordBytes || !writeLevel(to, bytes, false, &why)) {
            *error = why.isEmpty() ? QString::fromUtf8("nem olvasható: %1").arg(s.path) : why;
            return false;
        }
        *moved << to;
        ++next;
    }
    try {
        for (const OldSave& s : saves.files)
            if (!QFile::remove(s.path) && QFileInfo::exists(s.path))
                platform::raiseIoError(EACCES);
        // Portable: the shipped level goes back where the maker's took its place.
        for (int n : saves.restore) {
            const QByteArray shipped = levelgen::generateLevel(n).record;
            const QString path = levelgen::levelPath(playersDataDir(), n);
            platform::writeRecordAtomic(path, shipped.constData(), shipped.size());
            if (recordOf(path + QStringLiteral(".bak")) == shipped) // the shipped level's spare copy
                QFile::remove(path + QStringLiteral(".bak"));
        }
    } catch (const platform::RuntimeError& e) {
        *error = e.message();
        return false;
    }
    return true;
}

} // namespace editor
