#pragma once
// Small factories that build controls the way the window layouts describe
// them: name, position, font, alignment, transparency.
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace platform {

// Registers the fonts the layouts are measured in, bundled with the program,
// once per process: the desktop's own fonts never change the layout.
void setupFonts();
// The bundled face that stands in for Arial and MS Sans Serif.
QString layoutFace();
// Arial with the given character height in pixels.
QFont arial(int pixelHeight, bool bold = false, bool italic = false, bool underline = false);
// The windows' default font: MS Sans Serif, 11 pixels.
QFont windowFont();

// A label of the layouts: one line of plain text in its place. Text a little
// wider than the place (another face, a scaled screen) is drawn condensed
// just enough to fit instead of losing its last letters.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The label's font, condensed as far as its text needs.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Fitted {
        bool valid = false;
        QString text;
        qreal room = 0;
        QFont base, font;
    };
    mutable Fitted fitted_;
};

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
// A label that sizes itself to its text (the layouts give only a position).
QLabel* makeAutoLabel(QWidget* parent, const char* name, QPoint pos, const QString& text,
                      const QFont& font);
// A push button; Enter presses it while it has the focus, as Space does.
QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text);

// Fixed client size, centred on the desktop.
void fixAndCentre(QWidget* window, int width, int height);

} // namespace platform
