#pragma once
// Small factories that build controls the way the window layouts describe
// them: name, position, font, alignment, transparency.
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace platform {

// Registers font substitutes (Arial, MS Sans Serif) once per process.
void setupFonts();
// Arial with the given character height in pixels.
QFont arial(int pixelHeight, bool bold = false, bool italic = false, bool underline = false);
// The windows' default font: MS Sans Serif, 11 pixels.
QFont windowFont();

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
// A label that sizes itself to its text (the layouts give only a position).
QLabel* makeAutoLabel(QWidget* parent, const char* name, QPoint pos, const QString& text,
                      const QFont& font);
QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text);

// Fixed client size, centred on the desktop.
void fixAndCentre(QWidget* window, int width, int height);

} // namespace platform
