// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs/DialogWidget.h"

#include "platform/dialogs/Dialog.h"

#include <QKeyEvent>
#include <QPushButton>

TDialogWidget::TDialogWidget(TDialog* owner, QWidget* parent) : QDialog(parent), Owner_(owner) {}

void TDialogWidget::reject()
{
    if (Owner_)
        Owner_->Command(2);
}

void TDialogWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else if (Owner_)
            Owner_->Command(1);
        return;
    }
    QDialog::keyPressEvent(event);
}
