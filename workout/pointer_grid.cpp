// SPDX-License-Identifier: MIT
// Pointer hit-testing and control grids: whether the pointer is over a control or a form, and
// control indices in a grid filled column by column.

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// The pointer's position in twips; a pointer that cannot be read stays at the origin.
void pointerInTwips(const platform::Services& services, double& x, double& y) {
    rt::ResumeNext rn(lcPointer(), "pointer position");
    rn([&] {
        const platform::Pointer& pointer = platform::require(services.pointer);
        const QPoint p = pointer.position();
        x = p.x() * pointer.twipsPerPixelX();
        y = p.y() * pointer.twipsPerPixelY();
    });
}

// Strictly inside the rectangle; edges are outside.
bool strictlyInside(double x, double y, double left, double top, double width, double height) {
    return left < x && x < left + width && top < y && y < top + height;
}

}  // namespace

bool workOut::iFMouseInObject(const PlacedObject& Object, const FormObject& fo) {
    double x = 0.0, y = 0.0;
    pointerInTwips(m_services, x, y);
    // A comparison that fails (a property that cannot be read) counts as true.
    bool inside = true;
    rt::ResumeNext rn(lcPointer(), __func__);
    rn([&] {
        // The control is placed in the form's client area, which begins inside the frame.
        const double left = fo.left() + fo.clientLeft() + Object.left();
        const double top = fo.top() + fo.clientTop() + Object.top();
        inside = strictlyInside(x, y, left, top, Object.width(), Object.height());
    });
    return inside;
}

bool workOut::iFMouseInObject2(const PlacedObject& Object) {
    double x = 0.0, y = 0.0;
    pointerInTwips(m_services, x, y);
    bool inside = true;
    rt::ResumeNext rn(lcPointer(), __func__);
    rn([&] {
        inside = strictlyInside(x, y, Object.left(), Object.top(), Object.width(), Object.height());
    });
    return inside;
}

qint32 workOut::GetColRowControl(qint32 Col, qint32 pRow, qint32 Row, qint32 Start) {
    qint32 result = 0;
    rt::ResumeNext rn(lcPointer(), __func__);
    rn([&] { result = rt::sub(rt::add(rt::add(rt::mul(rt::sub(Col, 1), pRow), Row), Start), 1); });
    return result;
}

qint32 workOut::GetpColControl(qint32 Now, qint32 Row, qint32 Start) {
    qint32 result = 0;
    rt::ResumeNext rn(lcPointer(), __func__);
    rn([&] {
        const qint32 offset = rt::sub(Now, Start);
        if (Row == 0) raiseError(err::DivisionByZero);
        if (Row == -1 && offset == INT32_MIN) raiseError(err::Overflow);
        result = rt::add(offset / Row, 1);  // truncating towards zero
    });
    return result;
}

qint32 workOut::GetpRowControl(qint32 Now, qint32 Row, qint32 Start) {
    qint32 result = 0;
    rt::ResumeNext rn(lcPointer(), __func__);
    rn([&] {
        const qint32 offset = rt::sub(Now, Start);
        if (Row == 0) raiseError(err::DivisionByZero);
        // The remainder takes the sign of the dividend; any number divides by -1 exactly.
        result = rt::add(Row == -1 ? 0 : offset % Row, 1);
    });
    return result;
}

}  // namespace kelvarin
