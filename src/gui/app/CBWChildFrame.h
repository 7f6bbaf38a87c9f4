#pragma once

#include "gui/views/ViewKind.h"

#include <QMdiSubWindow>

// The frame of every window but the Entry List: one view of the Working File, opened maximized and
// captioned with the fixed caption of its kind.
class CBWChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CBWChildFrame(ViewKind kind, QWidget* view, QWidget* parent = nullptr);

    ViewKind kind() const { return m_kind; }

private:
    ViewKind m_kind;
};
