#include "menus/weblink.h"

#include "platform/controls.h"
#include "platform/modal.h"
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

QString manualLinkText() { return QString::fromUtf8("a játék kézikönyve"); }

QUrl manualUrl() { return QUrl::fromLocalFile(platform::contentFile(manualFileName())); }

void openWebPage(QWidget* parent)
{
    const QUrl url = manualUrl();
    const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        platform::messageBox(parent,
                             QString::fromUtf8("Nem található program, amely megnyitná a játék kézikönyvét.\n"
                                               "A kézikönyv itt van: %1")
                                 .arg(url.toLocalFile()),
                             QStringLiteral("Kovra 2"), platform::MsgIcon::Information);
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
    auto* l = new ClickLabel(manualLinkText(), parent);
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
