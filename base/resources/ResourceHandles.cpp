// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "base/resources/ResourceHandles.h"

HGLOBAL LoadResource(HRSRC resource)
{
    return resource;
}

const void* LockResource(HGLOBAL loaded)
{
    return loaded ? loaded->Data : nullptr;
}

bool FreeResource(HGLOBAL loaded)
{
    return loaded != nullptr;
}
