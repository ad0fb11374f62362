#include "menus/weblink.h"

#include "platform/controls.h"
#include "platform/paths.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace menus {

namespace {
UrlOpener& opener()
{
    static UrlOpener o;
    return o;
}
} // namespace

QString manualFileName() { return QStringLiteral("kezikonyv.html"); }

QUrl manualUrl() { return QUrl::fromLocalFile(platform::contentFile(manualFileName())); }

void openWebPage()
{
    const QUrl url = manualUrl();
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url); // false when nothing can open it: not reported
}

void setUrlOpener(UrlOpener o) { opener() = std::move(o); }

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click && onClick)
        onClick();
}

ClickLabel* makeWebLabel(QWidget* parent, const char* name, QRect geometry, std::function<void()> onClick)
{
    auto* l = new ClickLabel(manualFileName(), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setFont(platform::arial(11, false, false, true));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setCursor(Qt::PointingHandCursor);
    l->setToolTip(manualUrl().toString());
    l->onClick = std::move(onClick);
    return l;
}

} // namespace menus
