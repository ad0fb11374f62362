#include "editor/commandline.h"

#include "editor/automaker.h"
#include "editor/cvimage.h"
#include "editor/pairfinder.h"
#include "editor/photo.h"

#include <QTextStream>
#include <cmath>

namespace editor {

CommandLine parseCommandLine(const QStringList& args)
{
    CommandLine cl;
    auto value = [&](int& i) -> QString {
        if (i + 1 >= args.size()) {
            cl.error = QString::fromUtf8("hiányzik az érték: %1").arg(args[i]);
            return {};
        }
        return args[++i];
    };
    for (int i = 0; i < args.size() && cl.error.isEmpty(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.mode = CommandLine::Help;
        } else if (a == QLatin1String("--auto")) {
            cl.mode = CommandLine::Auto;
            bool ok = false;
            cl.count = value(i).toInt(&ok);
            if (!ok && cl.error.isEmpty())
                cl.error = QString::fromUtf8("a --auto után a különbségek száma jön (1-25)");
        } else if (a == QLatin1String("--pair")) {
            cl.mode = CommandLine::Pair;
        } else if (a == QLatin1String("--seed")) {
            bool ok = false;
            cl.seed = value(i).toULongLong(&ok);
            if (!ok && cl.error.isEmpty())
                cl.error = QString::fromUtf8("a --seed után egy nemnegatív egész szám jön");
        } else if (a == QLatin1String("--crop")) {
            cl.hasFrame = parseFrame(value(i), cl.frame);
            if (!cl.hasFrame && cl.error.isEmpty())
                cl.error = QString::fromUtf8("a --crop formája X,Y,W,H (a fénykép képpontjaiban)");
        } else if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            cl.output = value(i);
        } else if (a == QLatin1String("--upscale")) {
            cl.upscale = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            cl.error = QString::fromUtf8("ismeretlen kapcsoló: %1").arg(a);
        } else {
            cl.inputs << a;
        }
    }
    if (!cl.error.isEmpty() || cl.mode == CommandLine::Help || cl.mode == CommandLine::Window)
        return cl;
    const int wanted = cl.mode == CommandLine::Auto ? 1 : 2;
    if (cl.inputs.size() != wanted)
        cl.error = cl.mode == CommandLine::Auto ? QString::fromUtf8("a --auto egy fényképet vár")
                                                 : QString::fromUtf8("a --pair két képet vár: az eredetit és a szerkesztettet");
    else if (cl.output.isEmpty())
        cl.error = QString::fromUtf8("hiányzik a kimeneti fájl (-o PÁLYA.DAT)");
    return cl;
}

QString usageText()
{
    return QString::fromUtf8(
        "Használat:\n"
        "  kovra2-editor [FÉNYKÉP]                     a pályaszerkesztő ablaka\n"
        "  kovra2-editor --auto N [--seed S] [--crop X,Y,W,H] FÉNYKÉP -o PÁLYA.DAT\n"
        "  kovra2-editor --pair EREDETI SZERKESZTETT [--crop X,Y,W,H] -o PÁLYA.DAT\n"
        "Kapcsolók:\n"
        "  --auto N     N különbség (1-25) automatikusan\n"
        "  --seed S     ugyanaz a mag ugyanazt a pályát adja (alapérték 1)\n"
        "  --crop ...   a keret a fénykép képpontjaiban; nélküle a legnagyobb középre igazított 354:482-es\n"
        "  --upscale    a 354 x 482-nél kisebb kép felnagyítása (elmosódott lesz)\n"
        "Minden különbségről egy sor: sorszám x y fajta változott-képpontok.\n"
        "Kilépési kód:\n"
        "  0  kész, annyi különbséggel, amennyit kértél\n"
        "  2  hiba: egy sornyi üzenet, és semmi sem íródik ki\n"
        "  3  a fényképen kevesebb természetes különbségnek volt helye, mint amennyit kértél:\n"
        "     a pálya ennyivel íródik ki, és egy sor megmondja, hány lett és miért\n");
}

namespace {
struct Framed {
    cv::Mat picture;
    QString error;
};

QString frameProblem(const CommandLine& cl, QSize photoSize, QRect& frame)
{
    frame = cl.hasFrame ? cl.frame : defaultFrame(photoSize);
    const QRect photo(QPoint(0, 0), photoSize);
    if (!photo.contains(frame))
        return QString::fromUtf8("a keret (%1,%2,%3,%4) kilóg a %5 x %6-os képből")
            .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height()).arg(photo.width()).arg(photo.height());
    const double aspect = double(frame.width()) / frame.height(), level = double(kLevelWidth) / kLevelHeight;
    if (std::abs(aspect / level - 1) > 0.02)
        return QString::fromUtf8("a keret oldalaránya nem 354:482 (%1 x %2)").arg(frame.width()).arg(frame.height());
    if (needsUpscale(frame) && !cl.upscale)
        return QString::fromUtf8("a kép (vagy a keret) kisebb, mint 354 x 482 (%1 x %2); a --upscale felnagyítja, "
                                 "de elmosódott lesz")
            .arg(frame.width()).arg(frame.height());
    return {};
}

int fail(QTextStream& err, const QString& message)
{
    err << "kovra2-editor: " << message << '\n';
    err.flush();
    return kExitError;
}
} // namespace

int runCommandLine(const CommandLine& cl, QTextStream& out, QTextStream& err)
{
    if (!cl.error.isEmpty())
        return fail(err, cl.error);
    if (cl.mode == CommandLine::Help) {
        out << usageText();
        return 0;
    }
    if (cl.mode == CommandLine::Auto && (cl.count < 1 || cl.count > 25))
        return fail(err, QString::fromUtf8("a különbségek száma 1 és 25 között lehet (%1)").arg(cl.count));
    std::vector<Photo> photos;
    QRect frame;
    QString problem;
    for (const QString& path : cl.inputs) {
        // The frame is known once the first photo's size is: big photos are
        // then decoded no larger than the frame needs.
        const Photo p = loadPhoto(path, [&](QSize size) {
            problem = frameProblem(cl, size, frame);
            return problem.isEmpty() ? frame : QRect(QPoint(0, 0), size);
        });
        if (!p.ok())
            return fail(err, p.error);
        photos.push_back(p);
    }
    if (photos.size() == 2 && photos[0].fullSize != photos[1].fullSize)
        return fail(err, QString::fromUtf8("a két kép mérete különbözik (%1 x %2 és %3 x %4)")
                             .arg(photos[0].fullSize.width()).arg(photos[0].fullSize.height())
                             .arg(photos[1].fullSize.width()).arg(photos[1].fullSize.height()));
    problem = frameProblem(cl, photos[0].fullSize, frame);
    if (!problem.isEmpty())
        return fail(err, problem);
    Draft d;
    QString shortfall; // why --auto made fewer than asked
    if (cl.mode == CommandLine::Auto) {
        d.left = toMat(frameToLevel(photos[0].image, photos[0].toImage(frame)));
        d.right = d.left.clone();
        const int made = makeDifferences(d, cl.count, cl.seed, &shortfall);
        if (made <= 0)
            return fail(err, shortfall);
        if (made == cl.count)
            shortfall.clear();
    } else {
        d = findDifferences(toMat(frameToLevel(photos[0].image, photos[0].toImage(frame))),
                            toMat(frameToLevel(photos[1].image, photos[1].toImage(frame))));
    }
    QString why;
    const QByteArray record = encodeDraft(d, &why);
    if (record.isEmpty())
        return fail(err, why);
    if (!writeLevel(cl.output, record, false, &why))
        return fail(err, why);
    for (const QString& line : differenceLines(d))
        out << line << '\n';
    out.flush();
    for (const QString& note : d.skipped)
        err << "kovra2-editor: " << note << '\n';
    err.flush();
    if (!shortfall.isEmpty()) {
        err << "kovra2-editor: " << shortfall << '\n';
        err.flush();
        return kExitFewer;
    }
    return 0;
}

} // namespace editor
