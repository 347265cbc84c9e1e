// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "base/resources/DialogTemplate.h"
#include "platform/window/Window.h"

#include <optional>
#include <vector>

class TControl;
class TDialogWidget;

// A modal dialog built from a named template. Command 1 is OK (close with 1), command 2
// Cancel (close with 2), as are Escape and the close box; Enter is OK unless a button has
// the focus, which it then presses.
class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, const char* templateName);
    ~TDialog() override;

    // Runs the dialog modally with its parent as owner; -1 when there is no such template.
    int Execute();
    // Ends the modal run with this result.
    void EndDialog(int result);

    const TDialogTemplate* Template() const { return Template_ ? &*Template_ : nullptr; }
    QWidget* Control(int id) const;

    // Controls bind themselves here when they are made.
    void AddControl(TControl* control) { Controls_.push_back(control); }
    // Toolkit side.
    void Command(int id);

protected:
    void SetupWindow() override;
    void DefaultProcessing(TMessage& msg) override;
    QWidget* MakeWidget() override;
    const char* GetClassName() override { return "TDialog"; }
    virtual void CmOk() { EndDialog(1); }
    virtual void CmCancel() { EndDialog(2); }

private:
    void DetachWidget() override;

    std::optional<TDialogTemplate> Template_;
    std::vector<TControl*> Controls_;
    TDialogWidget* Dialog_ = nullptr;
};
