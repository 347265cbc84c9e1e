#include "platform/dialogs/Control.h"

#include "platform/dialogs/Dialog.h"

TControl::TControl(TDialog* parent, int id) : Id_(id)
{
    if (parent)
        parent->AddControl(this);
}
