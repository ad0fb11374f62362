// The game window is built as its layout table says: names, places, texts,
// stacking order, timers.
#include "game/uMain.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QtTest>

class MainLayoutTest : public QObject {
    Q_OBJECT
    testsupport::Forms* forms = nullptr;
private slots:
    void init() { forms = new testsupport::Forms; }
    void cleanup() { delete forms; }

    void windowIsFixedAt1000By701()
    {
        QCOMPARE(Form1->size(), QSize(1000, 701));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Kovra2"));
        const Qt::WindowFlags f = Form1->windowFlags();
        QVERIFY(f & Qt::WindowCloseButtonHint);
        QVERIFY(f & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    }

    void controlsStandInTheirPlacesAndStackingOrder()
    {
        const QStringList expected{"Image1", "balkep", "jobbkep", "Shape1", "Label1", "Label2", "Shape2",
                                   "Label3", "Label4", "lblkulonbseg", "Shape3", "Gauge1", "Label5", "lblora",
                                   "Image2", "Label7", "Label8", "Image3", "nemaktiv_help", "aktiv_help",
                                   "Image4", "Shape4", "Label6", "Label9", "Label10", "Image5", "Shape5",
                                   "Jelolo"};
        QStringList actual;
        for (QObject* o : Form1->children())
            if (o->isWidgetType())
                actual << o->objectName();
        QCOMPARE(actual, expected);
    }

    void geometryOfEachControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Image1") << "Image1" << QRect(0, 0, 1000, 700) << true;
        QTest::newRow("balkep") << "balkep" << QRect(76, 59, 354, 482) << true;
        QTest::newRow("jobbkep") << "jobbkep" << QRect(562, 59, 354, 482) << true;
        QTest::newRow("Shape1") << "Shape1" << QRect(336, 640, 330, 49) << true;
        QTest::newRow("Label1") << "Label1" << QRect(346, 652, 135, 16) << true;
        QTest::newRow("Shape2") << "Shape2" << QRect(672, 616, 289, 73) << true;
        QTest::newRow("lblkulonbseg") << "lblkulonbseg" << QRect(481, 643, 41, 24) << true;
        QTest::newRow("Gauge1") << "Gauge1" << QRect(192, 664, 129, 17) << true;
        QTest::newRow("lblora") << "lblora" << QRect(192, 642, 65, 23) << true;
        QTest::newRow("Image2") << "Image2" << QRect(678, 620, 60, 63) << true;
        QTest::newRow("Image3") << "Image3" << QRect(117, 624, 60, 55) << true;
        QTest::newRow("nemaktiv_help") << "nemaktiv_help" << QRect(456, 408, 73, 73) << false;
        QTest::newRow("aktiv_help") << "aktiv_help" << QRect(456, 488, 73, 73) << false;
        QTest::newRow("Image4") << "Image4" << QRect(282, 619, 41, 41) << false;
        QTest::newRow("Label9") << "Label9" << QRect(36, 641, 65, 39) << true;
        QTest::newRow("Label10") << "Label10" << QRect(34, 640, 67, 39) << true;
        QTest::newRow("Image5") << "Image5" << QRect(296, 192, 400, 210) << false;
        QTest::newRow("Shape5") << "Shape5" << QRect(336, 616, 330, 22) << true;
        QTest::newRow("Jelolo") << "Jelolo" << QRect(976, 672, 20, 20) << false;
    }
    void geometryOfEachControl()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(bool, visible);
        auto* w = Form1->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
        QCOMPARE(w->isVisibleTo(Form1), visible);
    }

    void initialTextsAndFonts()
    {
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("25"));
        QCOMPARE(Form1->lblkulonbseg->font().pixelSize(), 24);
        QCOMPARE(Form1->lblora->text(), QStringLiteral("00:00"));
        QCOMPARE(Form1->lblora->font().pixelSize(), 19);
        QCOMPARE(Form1->Label10->text(), QStringLiteral("100"));
        QCOMPARE(Form1->Label3->text(), QString::fromUtf8("Segítség"));
        QCOMPARE(Form1->Label2->text(), QString::fromUtf8("Keresd meg és kattints rájuk !"));
        QVERIFY(Form1->Label1->alignment() & Qt::AlignRight);
        QCOMPARE(Form1->Gauge1->maxValue(), 100);
        QCOMPARE(Form1->Gauge1->progress(), 30);
        QCOMPARE(Form1->Jelolo->penWidth(), 2);
        QCOMPARE(Form1->Jelolo->penColor(), QColor(Qt::white));
        QCOMPARE(Form1->Shape2->brushColor(), QColor(210, 199, 193));
        QCOMPARE(Form1->balkep->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(Form1->Image2->cursor().shape(), Qt::PointingHandCursor);
    }

    void timersHaveTheirIntervalsAndAllStartStopped()
    {
        const QList<QPair<platform::Timer*, int>> timers{{Form1->Timer1, 1000}, {Form1->buntimer, 4000},
                                                         {Form1->DelayTimer, 3000}, {Form1->villtimer, 250},
                                                         {Form1->inActTimer, 14000}, {Form1->inActTimer2, 600}};
        for (const auto& [t, ms] : timers) {
            QCOMPARE(t->interval(), ms);
            QVERIFY(!t->enabled());
        }
    }

    void backgroundCoversRowsUpTo699AndMountOpeningsLieUnderThePictures()
    {
        QCOMPARE(Form1->Image1->picture().size(), QSize(1000, 700));
        QCOMPARE(Form1->aktiv_help->picture().size(), QSize(60, 62));
        QCOMPARE(Form1->nemaktiv_help->picture().size(), QSize(60, 62));
        QCOMPARE(Form1->Image3->picture().size(), QSize(60, 54));
        QCOMPARE(Form1->Image4->picture().size(), QSize(40, 40));
        QCOMPARE(Form1->Image5->picture().size(), QSize(400, 210));
        Form1->balkep->hide();
        Form1->jobbkep->hide();
        const QImage shot = Form1->grab().toImage();
        const QColor face = Form1->palette().color(QPalette::Window);
        QCOMPARE(shot.pixelColor(500, 700), face);
        QVERIFY(shot.pixelColor(500, 699) != face || shot.pixelColor(10, 699) != face);
    }
};

QTEST_MAIN(MainLayoutTest)
#include "tst_uMain_layout.moc"
