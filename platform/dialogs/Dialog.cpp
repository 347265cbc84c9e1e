// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/dialogs/Dialog.h"

#include "platform/dialogs/Controls.h"
#include "platform/dialogs/DialogBuilder.h"
#include "platform/dialogs/DialogWidget.h"
#include "platform/window/FrameWindow.h"

#include <QPushButton>

TDialog::TDialog(TWindow* parent, const char* templateName)
    : TWindow(parent, ""), Template_(LoadDialogTemplate(templateName ? templateName : ""))
{
    if (Template_)
        Title = TranslatedText(*Template_, Template_->Caption).toStdString();
}

TDialog::~TDialog()
{
    ReleaseWidget(true);
}

QWidget* TDialog::MakeWidget()
{
    if (!Template_)
        return nullptr;
    QWidget* owner = Parent ? Parent->Widget() : nullptr;
    Dialog_ = new TDialogWidget(this, owner);
    // Caption, system menu and close box; a dialog is neither minimised nor maximised.
    Dialog_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const TDialogUnits units = BuildDialogControls(*Template_, *Dialog_);
    for (QPushButton* button : Dialog_->findChildren<QPushButton*>()) {
        const int id = button->objectName().toInt();
        QObject::connect(button, &QPushButton::clicked, Dialog_, [this, id] { Command(id); });
    }
    // The template places the dialog from the top-left corner of the owner's client area.
    const auto* frame = dynamic_cast<const TFrameWindow*>(Parent);
    const QWidget* client = frame ? frame->ClientWidget() : owner;
    if (client)
        Dialog_->move(client->mapToGlobal(QPoint(units.X(Template_->X), units.Y(Template_->Y))));
    return Dialog_;
}

void TDialog::DetachWidget()
{
    if (Dialog_)
        Dialog_->Detach();
    Dialog_ = nullptr;
}

void TDialog::SetupWindow()
{
    for (TControl* control : Controls_)
        control->Bind(Control(control->Id()));
}

QWidget* TDialog::Control(int id) const
{
    return Dialog_ ? Dialog_->findChild<QWidget*>(ControlName(id)) : nullptr;
}

int TDialog::Execute()
{
    if (!Create())
        return -1;
    const int result = Dialog_->exec();
    ReleaseWidget(true);
    return result;
}

void TDialog::EndDialog(int result)
{
    if (Dialog_)
        Dialog_->done(result);
}

void TDialog::Command(int id)
{
    SendMessage(WM_COMMAND, unsigned(id), 0);
}

void TDialog::DefaultProcessing(TMessage& msg)
{
    if (msg.Message != WM_COMMAND)
        return;
    if ((msg.WParam & 0xFFFF) == 1)
        CmOk();
    else if ((msg.WParam & 0xFFFF) == 2)
        CmCancel();
}
