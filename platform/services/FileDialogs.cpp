// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/FileDialogs.h"

#include "platform/window/Window.h"

#include <QFileDialog>

std::string TQtFileDialogs::Choose(TWindow* owner, const TFileDialogRequest& request)
{
    const bool save = request.Kind == TFileDialogRequest::TKind::Save;
    QFileDialog dialog(owner ? owner->Widget() : nullptr, QString::fromStdString(request.Caption), QString(),
                       QString::fromStdString(request.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.Suffix));
    if (!request.Path.empty())
        dialog.selectFile(QString::fromStdString(request.Path));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
}
