#include "platform/controls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void setupFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont arial(int pixelHeight, bool bold, bool italic, bool underline)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont windowFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment align)
{
    auto* l = new QLabel(text, parent);
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
    b->setAutoDefault(false);
    return b;
}

void fixAndCentre(QWidget* window, int width, int height)
{
    window->setFixedSize(width, height);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect avail = s->availableGeometry();
        window->move(avail.center() - QPoint(width / 2, height / 2));
    }
}

} // namespace platform
