#include "platform/controls.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace platform {

QString layoutFace() { return QStringLiteral("Liberation Sans"); }

void setupFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Liberation Sans has Arial's metrics and every Hungarian letter; the
    // faces come from Debian's fonts-liberation2, embedded at build time.
    // Registered from the resource's own bytes: a file name would make Qt
    // read a copy of each face onto the heap.
    for (const char* file : {"Regular", "Bold", "Italic"}) {
        const QResource face(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1String(file)));
        if (face.isValid() && face.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), qsizetype(face.size())));
        else
            QFontDatabase::addApplicationFont(face.fileName());
    }
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), layoutFace());
    QFont::insertSubstitution(QStringLiteral("Arial"), layoutFace());
}

namespace {
QFont layoutFont(int pixelHeight)
{
    QFont f(layoutFace());
    f.setPixelSize(pixelHeight);
    return f;
}
} // namespace

QFont arial(int pixelHeight, bool bold, bool italic, bool underline)
{
    QFont f = layoutFont(pixelHeight);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont windowFont() { return layoutFont(11); }

QFont Label::fittedFont() const
{
    // Painted at every change of a counter: measured again only when the
    // text, the font or the room changed.
    const QFont f = font();
    const QString t = text();
    const qreal room = contentsRect().width();
    if (fitted_.valid && fitted_.text == t && fitted_.room == room && fitted_.base == f)
        return fitted_.font;
    QFont fit = f;
    if (!t.isEmpty() && QFontMetricsF(fit, this).horizontalAdvance(t) > room) {
        // Narrower letters, never below 90 %: past that the text needs new words.
        for (int stretch = 99; stretch >= 90; --stretch) {
            fit.setStretch(stretch);
            if (QFontMetricsF(fit, this).horizontalAdvance(t) <= room)
                break;
        }
    }
    fitted_ = {true, t, room, f, fit};
    return fit;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(fittedFont());
    style()->drawItemText(&p, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}

namespace {
// Enter on a focused button presses it, as Space does; a window's default
// button answers Enter only where the focus is on no other button.
class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (!enter || (k->modifiers() & ~Qt::KeypadModifier) != 0)
            return false;
        auto* b = static_cast<QAbstractButton*>(watched);
        if (b->isEnabled() && !k->isAutoRepeat())
            b->click();
        return true;
    }
};
} // namespace

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment align)
{
    auto* l = new Label(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setAutoFillBackground(false);
    return l;
}

QLabel* makeAutoLabel(QWidget* parent, const char* name, QPoint pos, const QString& text,
                      const QFont& font)
{
    QLabel* l = makeLabel(parent, name, QRect(pos, QSize(1, 1)), text, font);
    l->adjustSize();
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    // Which button is a dialog's default stays as each layout says.
    b->setAutoDefault(false);
    b->installEventFilter(new EnterClicks(b));
    return b;
}

void fixAndCentre(QWidget* window, int width, int height)
{
    window->setFixedSize(width, height);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect avail = s->availableGeometry();
        // Larger than the free area: the top left stays on it, so the title
        // bar can still be reached.
        const QPoint centred = avail.center() - QPoint(width / 2, height / 2);
        window->move(qMax(centred.x(), avail.left()), qMax(centred.y(), avail.top()));
    }
}

} // namespace platform
