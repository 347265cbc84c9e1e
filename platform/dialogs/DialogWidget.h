// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class TDialog;

// The toolkit's dialog window: buttons, Enter, Escape and the close box become commands.
class TDialogWidget : public QDialog {
public:
    TDialogWidget(TDialog* owner, QWidget* parent);
    void Detach() { Owner_ = nullptr; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TDialog* Owner_;
};
