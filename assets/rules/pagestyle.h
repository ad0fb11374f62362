#pragma once
// The common look of the rules pages: parchment, a large pale rounded panel,
// a dark-red serif heading at the top left and body text in the same ink.
#include <QImage>
#include <QPainter>
#include <QString>

namespace rules {

constexpr int kPageWidth = 572;
constexpr int kPageHeight = 400;
constexpr int kPlainFrom = 360; // the buttons and the counter lie below
const QColor kInk(0x6B, 0x1E, 0x14);

// A page with its background and panel drawn, ready for text and pictures.
QImage blankPage(std::uint32_t seed);

// Draws the heading at the page's top left.
void drawHeading(QPainter& p, const QString& text);
// First line of body text under the heading.
constexpr int kBodyTop = 78;

// Draws a justified paragraph in the column from `x`, `top`, `width` wide;
// returns the y just below it. With a bullet the text hangs beside it.
int drawParagraph(QPainter& p, int x, int top, int width, const QString& text,
                  const QString& bullet = QString());
// The height a paragraph would take.
int paragraphHeight(int width, const QString& text, const QString& bullet = QString());

// Places a picture taken from the game on the page: thin dark frame and a
// soft shadow, as if mounted in the album.
void drawMounted(QPainter& p, QPoint topLeft, const QImage& picture);

} // namespace rules
