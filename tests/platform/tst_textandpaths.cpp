// Windows-1250 names and case-insensitive lookup of files copied from
// elsewhere.
#include "platform/cp1250.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;

class TextAndPathsTest : public QObject {
    Q_OBJECT
private slots:
    void hungarianLettersMapToTheirCodePageBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ő ű") << QString::fromUtf8("őű") << QByteArray("\xF5\xFB");
        QTest::newRow("Ő Ű") << QString::fromUtf8("ŐŰ") << QByteArray("\xD5\xDB");
        QTest::newRow("á é í ó ö ú ü") << QString::fromUtf8("áéíóöúü") << QByteArray("\xE1\xE9\xED\xF3\xF6\xFA\xFC");
        QTest::newRow("plain") << QStringLiteral("Anna") << QByteArray("Anna");
    }
    void hungarianLettersMapToTheirCodePageBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1250(text), bytes);
        QCOMPARE(fromCp1250(bytes), text);
        QVERIFY(fitsCp1250(text));
    }

    // Decoding goes through a table made once: every byte must come out as
    // the code page's converter gives it, wherever it stands in a name.
    void everyByteDecodesAsTheConverterDoes()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QByteArray backwards = all;
        std::reverse(backwards.begin(), backwards.end());
        for (const QByteArray& bytes : {all, backwards, QByteArray("Kov\xE1cs \xC1d\xE1m"), QByteArray()}) {
            QStringDecoder dec("windows-1250");
            QCOMPARE(fromCp1250(bytes), QString(dec.decode(bytes)));
        }
    }

    void charactersOutsideTheCodePageDoNotFit()
    {
        QVERIFY(!fitsCp1250(QString::fromUtf8("漢")));
        QVERIFY(!fitsCp1250(QString::fromUtf8("Anna 😀")));
        QVERIFY(!fitsCp1250(QString::fromUtf8("ñ")));
    }

    void filesAreFoundWithoutRegardToCase()
    {
        QTemporaryDir d;
        const QString dir = d.path() + "/";
        QDir(dir).mkpath("data");
        QFile f(dir + "data/007.dat");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(resolveCaseInsensitive(dir, "DATA/007.DAT"), dir + "data/007.dat");
        QCOMPARE(resolveCaseInsensitive(dir, "data/007.dat"), dir + "data/007.dat");
        // A name that matches nothing stays as the program formed it.
        QCOMPARE(resolveCaseInsensitive(dir, "DATA/008.DAT"), dir + "DATA/008.DAT");
    }

    void exeDirCanBePointedElsewhereAndBack()
    {
        const QString real = exeDir();
        QVERIFY(real.endsWith('/'));
        setExeDir("/tmp/x");
        QCOMPARE(exeDir(), QStringLiteral("/tmp/x/"));
        setExeDir(QString());
        QCOMPARE(exeDir(), real);
    }
};

QTEST_MAIN(TextAndPathsTest)
#include "tst_textandpaths.moc"
