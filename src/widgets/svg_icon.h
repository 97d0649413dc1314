#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tunelot {

// An SVG drawing, such as a resource, rendered at `size`; a null pixmap when it cannot be read.
QPixmap SvgPixmap(const QString& file, const QSize& size);

// An SVG drawing as an icon, rendered at the usual icon sizes.
QIcon SvgIcon(const QString& file);

}  // namespace tunelot
