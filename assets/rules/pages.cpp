#include "pages.h"

#include "pagestyle.h"

#include <cmath>

namespace rules {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// A grabbed picture brought to `width` window pixels (from a grab at a higher
// pixel ratio this is a clean reduction).
QImage fit(const QImage& img, int width)
{
    QImage out = img.scaledToWidth(width, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1); // the page is drawn at one pixel per pixel
    return out;
}

// A grabbed picture at `zoom` times its size in the window.
QImage zoomed(const QImage& img, double zoom)
{
    return fit(img, int(std::lround(img.width() / img.devicePixelRatio() * zoom)));
}

constexpr int kLeft = 34;               // body column's left edge
constexpr int kRight = kPageWidth - 34; // and right edge

// Centres a picture in the body's width.
int centred(const QImage& img) { return (kLeft + kRight - img.width()) / 2; }

void page1(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("A feladat"));
    const QImage view = fit(s.window, 340);
    const int x = kRight - view.width();
    drawMounted(p, {x, 30}, view);
    drawParagraph(p, kLeft, kBodyTop + 8, x - kLeft - 24,
                  u("Találd meg az elrejtett különbségeket a két kép között és kattints rájuk az egérrel!"));
}

void page2(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("Az idő"));
    const int y = drawParagraph(p, kLeft, kBodyTop, kRight - kLeft,
                                u("Minden pályára annyiszor 10 másodpercnyi idő van, ahány különbség van elrejtve a "
                                  "képek között. A különbségek számát és a hátralévő időt a játéktér alján láthatod."));
    const QImage panels = fit(s.timeAndDiffs, kRight - kLeft - 8);
    drawMounted(p, {centred(panels), y + (kPlainFrom - 16 - y - panels.height()) / 2}, panels);
}

void page3(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("Szünet"));
    const int y = drawParagraph(p, kLeft, kBodyTop, kRight - kLeft,
                                u("Ha az órára kattintasz, szüneteltetheted a játékot. Ha újra rákattintasz (vagy a "
                                  "megjelenő ablakra), a játék folytatódik. A szünet alatt nem láthatóak a képek."));
    const QImage banner = fit(s.pauseBanner, 320);
    drawMounted(p, {centred(banner), y + (kPlainFrom - 16 - y - banner.height()) / 2}, banner);
}

// A paragraph, a picture from the game centred under it, and a second
// paragraph below the picture.
void textPictureText(QPainter& p, const QImage& picture, const char* before, const char* after)
{
    int y = drawParagraph(p, kLeft, kBodyTop, kRight - kLeft, u(before));
    drawMounted(p, {centred(picture), y + 12}, picture);
    y += 12 + picture.height() + 14;
    drawParagraph(p, kLeft, y, kRight - kLeft, u(after));
}

void page4(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("Segítségek"));
    textPictureText(p, zoomed(s.helpPanel, 1.15),
                    "A pályákon megmaradt másodpercekkel segítséget gyűjthetsz. Minden 100 megmaradt "
                    "másodperc után, vagy akkor, ha egy pályát első próbálkozásra teljesítesz, egy "
                    "segítséget kapsz.",
                    "Kattints a zöld nagyító ikonra a játéktér alján, és a számítógép megmutat neked egy "
                    "különbséget! Ha az ikon nem zöld, akkor még nincs elérhető segítséged.");
}

void page5(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("Büntetés"));
    textPictureText(p, zoomed(s.timeWarning, 1.3),
                    "Próbálj csak a különbségekre kattintani! Ha össze-vissza kattintasz a pályán, "
                    "időlevonást kapsz!",
                    "Az idő mellett a felkiáltójel-ikon figyelmeztet, ha rossz helyen keresgélsz. Ha újra rossz "
                    "helyre kattintasz, amíg az ikon villog, 5 másodperccel rövidül a hátralévő idő.");
}

void page6(QPainter& p, const GameShots& s)
{
    drawHeading(p, u("Tanácsok"));
    const QString dash = u("–");
    int y = kBodyTop;
    for (const char* text : {"Ritkán sikerül egy pálya első próbálkozásra! Ne add fel, ugorj neki újra és újra.",
                             "Nem csak a kép fő témáján, hanem gyakran a háttérben elrejtve is lehetnek "
                             "különbségek. Nézd át a képeket alaposan!",
                             "A jelölő köröknél nagyobb kiterjedésű különbségek esetén próbálj az eltérő terület "
                             "közepére kattintani!"})
        y = drawParagraph(p, kLeft, y, kRight - kLeft, u(text), dash) + 6;
    const QImage a = zoomed(s.crops[0], 1.1);
    const QImage b = zoomed(s.crops[1], 1.1);
    const int gap = 48;
    const int x = (kLeft + kRight - a.width() - b.width() - gap) / 2;
    const int top = y + (kPlainFrom - 14 - y - a.height()) / 2;
    drawMounted(p, {x, top}, a);
    drawMounted(p, {x + a.width() + gap, top}, b);
}

} // namespace

QImage pageBackground(int n) { return blankPage(std::uint32_t(1000 + n)); }

QImage composePage(int n, const GameShots& shots)
{
    QImage page = pageBackground(n);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (n) {
    case 1: page1(p, shots); break;
    case 2: page2(p, shots); break;
    case 3: page3(p, shots); break;
    case 4: page4(p, shots); break;
    case 5: page5(p, shots); break;
    case 6: page6(p, shots); break;
    default: break;
    }
    return page;
}

} // namespace rules
