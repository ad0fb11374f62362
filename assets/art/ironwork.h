#pragma once
// The wrought-iron ornament on cracked plaster that fills the empty photo
// mounts of the game window.
#include <QImage>
#include <QSize>

namespace art {

QImage ironPlaceholder(QSize size);

} // namespace art
