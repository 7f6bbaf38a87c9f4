#include "gui/app/CBWChildFrame.h"

CBWChildFrame::CBWChildFrame(ViewKind kind, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_kind(kind) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowTitle(QString::fromLatin1(viewKindInfo(kind).caption));
}
