#include "platform/dialogs/Static.h"

#include <QLabel>

void TStatic::SetText(const char* utf8)
{
    if (auto* label = qobject_cast<QLabel*>(Widget()))
        label->setText(QString::fromUtf8(utf8 ? utf8 : ""));
}
