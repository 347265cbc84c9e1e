// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services/Services.h"

// The desktop's own file dialogs, modal over their owner.
class TQtFileDialogs final : public IFileDialogService {
public:
    std::string Choose(TWindow* owner, const TFileDialogRequest& request) override;
};
