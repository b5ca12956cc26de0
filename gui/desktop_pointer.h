// SPDX-License-Identifier: MIT
#pragma once

// The desktop's pointer and the places of the windows' forms and controls, in twips.

#include <QPointer>
#include <QWidget>

#include "services/pointer.h"
#include "workout/surfaces.h"

namespace kelvarin::gui {

// The pointer's position from QCursor; twips per pixel from the primary screen's logical dots
// per inch.
class DesktopPointer final : public platform::Pointer {
  public:
    QPoint position() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
};

// A form or a control of the windows as a placed object. A window's Left, Top, Width and Height
// are its frame's on the screen and its client area begins inside the frame; a control's are its
// place in its parent, and it is no form. A widget that is gone fails every property (error 91).
class WidgetPlacement final : public FormObject {
  public:
    explicit WidgetPlacement(QWidget* widget) : m_widget(widget) {}

    double left() const override;
    double top() const override;
    double width() const override;
    double height() const override;
    double clientLeft() const override;
    double clientTop() const override;

  private:
    const QWidget& widget() const;
    QRect placement() const;
    double twipsX() const;
    double twipsY() const;

    QPointer<QWidget> m_widget;
};

}  // namespace kelvarin::gui
