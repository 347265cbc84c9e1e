// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "ui/CreatureDialog.h"

#include "platform/window/ResponseTable.h"

#include <cstring>

TVeoDlg::TVeoDlg(TWindow* parent, char* familyName) : TDialog(parent, "IDENSHI"), FamilyName(familyName) {}

void TVeoDlg::SetupWindow()
{
    TDialog::SetupWindow();
    FamilyName[kNameSize - 1] = '\0';
    FamilyNameEdit.SetText(FamilyName);
    RemainingLifeEdit.SetText(RemainingLifeText);
    LifespanEdit.SetText(LifespanText);
    const struct {
        TScrollBar& Bar;
        int Value;
    } bars[] = {{BreedRateBar, BreedRate}, {SpeedBar, Speed}, {GeneSpeedBar, GeneSpeed}, {GeneBreedRateBar, GeneBreedRate}};
    for (const auto& b : bars) {
        b.Bar.SetRange(3, 1000);
        b.Bar.SetPosition(b.Value);
    }
    GrowthBar.SetRange(3, 100);
    GrowthBar.SetPosition(GeneGrowth);
    GenerationLabel.SetText(GenerationText);
}

bool TVeoDlg::ResponseTableLookup(TMessage& msg)
{
    static constexpr TResponseEntry<TVeoDlg> table[] = {{WM_COMMAND, 1, &TVeoDlg::EvOk}};
    return DispatchResponse<TVeoDlg>(*this, table, msg) || TDialog::ResponseTableLookup(msg);
}

void TVeoDlg::EvOk(TMessage&)
{
    std::memset(FamilyName, 0, kNameSize);
    FamilyNameEdit.GetText(FamilyName, kNameSize);
    FamilyName[kNameSize - 1] = '\0';
    RemainingLifeEdit.GetText(RemainingLifeText, sizeof RemainingLifeText);
    LifespanEdit.GetText(LifespanText, sizeof LifespanText);
    BreedRate = BreedRateBar.GetPosition();
    Speed = SpeedBar.GetPosition();
    GeneSpeed = GeneSpeedBar.GetPosition();
    GeneBreedRate = GeneBreedRateBar.GetPosition();
    GeneGrowth = GrowthBar.GetPosition();
    CmOk();
}
