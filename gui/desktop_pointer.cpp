// SPDX-License-Identifier: MIT
// The desktop's pointer, and forms and controls as placed objects.

#include "gui/desktop_pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "runtime/errors.h"

namespace kelvarin::gui {

namespace {

double twipsPerPixel(const QScreen* screen, bool across) {
    if (screen == nullptr) return 15.0;
    const double dpi = across ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0.0 ? 1440.0 / dpi : 15.0;
}

}  // namespace

QPoint DesktopPointer::position() const {
    return QCursor::pos();
}

double DesktopPointer::twipsPerPixelX() const {
    return twipsPerPixel(QGuiApplication::primaryScreen(), true);
}

double DesktopPointer::twipsPerPixelY() const {
    return twipsPerPixel(QGuiApplication::primaryScreen(), false);
}

const QWidget& WidgetPlacement::widget() const {
    if (m_widget.isNull()) raiseError(err::ObjectNotSet);
    return *m_widget;
}

QRect WidgetPlacement::placement() const {
    const QWidget& w = widget();
    return w.isWindow() ? w.frameGeometry() : w.geometry();
}

double WidgetPlacement::twipsX() const {
    return twipsPerPixel(widget().screen(), true);
}

double WidgetPlacement::twipsY() const {
    return twipsPerPixel(widget().screen(), false);
}

double WidgetPlacement::left() const {
    return placement().x() * twipsX();
}

double WidgetPlacement::top() const {
    return placement().y() * twipsY();
}

double WidgetPlacement::width() const {
    return placement().width() * twipsX();
}

double WidgetPlacement::height() const {
    return placement().height() * twipsY();
}

double WidgetPlacement::clientLeft() const {
    const QWidget& w = widget();
    if (!w.isWindow()) raiseError(err::NotSupported);
    return (w.geometry().x() - w.frameGeometry().x()) * twipsX();
}

double WidgetPlacement::clientTop() const {
    const QWidget& w = widget();
    if (!w.isWindow()) raiseError(err::NotSupported);
    return (w.geometry().y() - w.frameGeometry().y()) * twipsY();
}

}  // namespace kelvarin::gui
