#include "platform/dialogs/ScrollBar.h"

#include <QScrollBar>

void TScrollBar::SetRange(int minimum, int maximum)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Widget()))
        bar->setRange(minimum, maximum);
}

void TScrollBar::SetPosition(int position)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Widget()))
        bar->setValue(qBound(bar->minimum(), position, bar->maximum()));
}

int TScrollBar::GetPosition() const
{
    const auto* bar = qobject_cast<const QScrollBar*>(Widget());
    return bar ? bar->value() : 0;
}
