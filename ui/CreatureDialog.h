// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include "creatures/Ikimono.h"
#include "platform/dialogs/Dialog.h"
#include "platform/dialogs/Controls.h"

// "生き物設定": one creature's individual values and genes. The dialog works on a copy that
// the opener fills and reads back; OK refreshes the copy from the controls, Cancel reads
// nothing. The typed numbers come back as text, for TypedNumberValue. The family name is
// read and written in the creature itself, on OK only.
class TVeoDlg : public TDialog {
public:
    static constexpr int kNameSize = TIKIMONO::kFamilyNameSize;

    TVeoDlg(TWindow* parent, char* familyName);

    TEdit FamilyNameEdit{this, 101};
    TEdit RemainingLifeEdit{this, 102};
    TEdit LifespanEdit{this, 103};
    TScrollBar BreedRateBar{this, 111};
    TScrollBar SpeedBar{this, 112};
    TScrollBar GeneSpeedBar{this, 113};
    TScrollBar GeneBreedRateBar{this, 114};
    TScrollBar GrowthBar{this, 115};
    TStatic GenerationLabel{this, 120};

    char* FamilyName;
    char RemainingLifeText[30] = {};
    char LifespanText[30] = {};
    char GenerationText[12] = {};
    int GeneBreedRate = 0;
    int GeneSpeed = 0;
    int Speed = 0;
    int BreedRate = 0;
    int GeneGrowth = 0;

protected:
    void SetupWindow() override;
    bool ResponseTableLookup(TMessage& msg) override;

private:
    void EvOk(TMessage&);
};
